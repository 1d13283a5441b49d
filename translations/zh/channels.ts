<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>radio::gui::CProgramView</name>
    <message>
        <source>Set P&amp;ower</source>
        <translation>设置功率(&amp;O)</translation>
    </message>
    <message>
        <source>Set &amp;W/N</source>
        <translation>设置宽/窄(&amp;W)</translation>
    </message>
    <message>
        <source>Set &amp;Scan Add</source>
        <translation>设置扫描添加(&amp;S)</translation>
    </message>
    <message>
        <source>Set &amp;Busy Lock</source>
        <translation>设置繁忙锁定(&amp;B)</translation>
    </message>
    <message>
        <source>Channel Information</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Insert Channel</source>
        <translation>插入信道</translation>
    </message>
    <message>
        <source>Channel 128 is in use: no channel can be inserted before it is removed.</source>
        <translation>信道128已被使用：删除它之后才能插入信道。</translation>
    </message>
    <message>
        <source>Remove Channel</source>
        <translation>移除信道</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>设置%1</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
</context>
<context>
    <name>radio::gui::ChannelListReportDialog</name>
    <message>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <source>No channel was imported from %1; the document is unchanged.</source>
        <translation>未从 %1 导入任何信道，文档未改变。</translation>
    </message>
    <message>
        <source>%1 channel(s) imported from %2, %3 row(s) skipped.</source>
        <translation>已从 %2 导入 %1 个信道，跳过 %3 行。</translation>
    </message>
    <message>
        <source>Skipped rows:</source>
        <translation>跳过的行：</translation>
    </message>
    <message>
        <source>Changed on the way:</source>
        <translation>导入时的改动：</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
</TS>
