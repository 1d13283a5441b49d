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
    <name>radio::gui::ImportPreviewDialog</name>
    <message>
        <source>Import Channels</source>
        <translation>导入信道</translation>
    </message>
    <message>
        <source>Place by Location</source>
        <translation>按位置放置</translation>
    </message>
    <message>
        <source>Place in file order from channel</source>
        <translation>按文件顺序放置，起始信道</translation>
    </message>
    <message>
        <source>Some rows name a Location outside 1-128; placing the rows in file order takes them.</source>
        <translation>有些行的位置不在 1-128 之内；按文件顺序放置可以导入这些行。</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Channel list: %1</source>
        <translation>信道列表文件：%1</translation>
    </message>
    <message>
        <source>Rows to import:</source>
        <translation>将导入的行：</translation>
    </message>
    <message>
        <source>Refused rows:</source>
        <translation>拒绝的行：</translation>
    </message>
    <message>
        <source>%1 channel(s) to import, %2 row(s) refused.</source>
        <translation>将导入 %1 个信道，拒绝 %2 行。</translation>
    </message>
</context>
</TS>
