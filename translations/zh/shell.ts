<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>radio::gui::CMainFrame</name>
    <message>
        <source>This document</source>
        <translation>本文档</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>校验(&amp;V)</translation>
    </message>
    <message>
        <source>Compare the radio with the document, writing nothing</source>
        <translation>比较电台与文档，不写入任何数据</translation>
    </message>
    <message>
        <source>&amp;Identify Radio</source>
        <translation>识别电台(&amp;I)</translation>
    </message>
    <message>
        <source>Ask the radio for its band type, model, password and bands only</source>
        <translation>只读取电台的频宽类型、机型、密码和频段</translation>
    </message>
    <message>
        <source>Verify &amp;after Writing</source>
        <translation>写入后校验(&amp;A)</translation>
    </message>
    <message>
        <source>Read the radio back after each write and compare it with the document</source>
        <translation>每次写频后读回电台并与文档比较</translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation>比较(&amp;M)...</translation>
    </message>
    <message>
        <source>List every difference between the active document and a file</source>
        <translation>列出当前文档与一个文件的所有差异</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>打开备份(&amp;B)...</translation>
    </message>
    <message>
        <source>Open a backup kept by a read from the radio</source>
        <translation>打开读频时保存的备份</translation>
    </message>
    <message>
        <source>&amp;Import Channels...</source>
        <translation>导入信道(&amp;I)...</translation>
    </message>
    <message>
        <source>Read a channel list (CSV) into the channels of the active document</source>
        <translation>把信道列表 (CSV) 读入当前文档的信道</translation>
    </message>
    <message>
        <source>&amp;Export Channels...</source>
        <translation>导出信道(&amp;E)...</translation>
    </message>
    <message>
        <source>Write the channels of the active document as a channel list (CSV)</source>
        <translation>把当前文档的信道写成信道列表 (CSV)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>建立新文档</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>打开已有的文档</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>关闭当前文档</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>保存当前文档</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>以新的名字保存当前文档</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>打印当前文档</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>显示整页</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>更改打印机和打印选项</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>退出程序；提示保存文档</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>读频(&amp;R)</translation>
    </message>
    <message>
        <source>Read Data From Radio</source>
        <translation>从电台读取数据</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>写频(&amp;W)</translation>
    </message>
    <message>
        <source>Write Data To Radio</source>
        <translation>把数据写入电台</translation>
    </message>
    <message>
        <source>&amp;Com Setup</source>
        <translation>端口设置(&amp;C)</translation>
    </message>
    <message>
        <source>Choose the serial port of the programming cable</source>
        <translation>选择写频线所用的串口</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>Choose the language of the program</source>
        <translation>选择程序的语言</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>显示或隐藏工具栏</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>显示或隐藏状态栏</translation>
    </message>
    <message>
        <source>Control &amp;Bar</source>
        <translation>控制栏(&amp;B)</translation>
    </message>
    <message>
        <source>Show or hide the navigation bar</source>
        <translation>显示或隐藏导航栏</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>帮助主题(&amp;H)</translation>
    </message>
    <message>
        <source>List Help topics</source>
        <translation>列出帮助主题</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>显示程序信息、版本号和版权</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>编程(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Product &amp;Information</source>
        <translation>机型设置(&amp;I)</translation>
    </message>
    <message>
        <source>Channel I&amp;nformation</source>
        <translation>信道信息(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Optional Features</source>
        <translation>可选功能(&amp;O)</translation>
    </message>
    <message>
        <source>DT&amp;MF</source>
        <translation>DTMF(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Key Assignment</source>
        <translation>侧键设定(&amp;K)</translation>
    </message>
    <message>
        <source>M&amp;SK</source>
        <translation>MSK(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;2-Tone</source>
        <translation>2-Tone(&amp;2)</translation>
    </message>
    <message>
        <source>S&amp;quelch Tuning</source>
        <translation>静噪微调(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Channels</source>
        <translation>信道(&amp;C)</translation>
    </message>
    <message>
        <source>%1 is in the backups folder, whose files stay as they were read. Save the document under a name outside that folder.</source>
        <translation>%1 位于备份文件夹中，其中的文件保持读取时的原样。请把文档以该文件夹之外的名字保存。</translation>
    </message>
    <message>
        <source>Channel frequencies and tones that cannot be decoded (Fr included): %1. They are shown as Invalid.</source>
        <translation>无法解码的信道频率和亚音（含 Fr）：%1 个，显示为“无效”。</translation>
    </message>
    <message>
        <source>A transfer with the radio is running. Open the file when it has ended.</source>
        <translation>正在与电台传输数据。请在传输结束后再打开文件。</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>层叠(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>平铺(&amp;T)</translation>
    </message>
    <message>
        <source> (closed)</source>
        <translation>（已关闭）</translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>已保存备份：%1</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>打开文档失败。</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>是否保存对 %1 的更改？</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>保存文档失败。</translation>
    </message>
    <message>
        <source>The document and %1 are the same.</source>
        <translation>文档与 %1 相同。</translation>
    </message>
    <message>
        <source>From the document to %1:</source>
        <translation>从文档到 %1：</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>无法读取 %1。</translation>
    </message>
    <message>
        <source>%1 is not a channel list that can be read:</source>
        <translation>%1 不是可以读取的信道列表：</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Failed to export the channels.</source>
        <translation>导出信道失败。</translation>
    </message>
    <message>
        <source>%1 channel(s) exported. Other programs may refuse:</source>
        <translation>已导出 %1 个信道。其他程序可能不接受：</translation>
    </message>
</context>
<context>
    <name>radio::gui::CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>中文</translation>
    </message>
</context>
<context>
    <name>radio::gui::UserPrompts</name>
    <message>
        <source>Channel List (*.csv)</source>
        <translation>信道列表 (*.csv)</translation>
    </message>
    <message>
        <source>Program Document (*.dat)</source>
        <translation>程序文档 (*.dat)</translation>
    </message>
</context>
<context>
    <name>radio::gui::Dialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>radio::gui::EditCommands</name>
    <message>
        <source>C&amp;hannels</source>
        <translation>信道(&amp;H)</translation>
    </message>
    <message>
        <source>Undo &amp;History</source>
        <translation>撤销历史(&amp;H)</translation>
    </message>
    <message>
        <source>Undo History</source>
        <translation>撤销历史</translation>
    </message>
    <message>
        <source>&lt;opened&gt;</source>
        <translation>&lt;打开时&gt;</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Insert Channel</source>
        <translation>插入信道(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Remove Channel</source>
        <translation>移除信道(&amp;R)</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下移(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
</context>
<context>
    <name>radio::gui::CChildFrame</name>
    <message>
        <source> (backup copy)</source>
        <translation>（备份副本）</translation>
    </message>
</context>
<context>
    <name>radio::gui::NavigationBar</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>radio::gui::CProgramApp</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>The program could not be started again.</source>
        <translation>无法重新启动程序。</translation>
    </message>
</context>
<context>
    <name>radio::gui::CProgramDoc</name>
    <message>
        <source>Channel Information</source>
        <translation>信道信息</translation>
    </message>
</context>
</TS>
