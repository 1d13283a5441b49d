<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>radio::gui::CProcessDlg</name>
    <message>
        <location filename="../../src/link/widgets/CProcessDlg.cpp" line="26"/>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <location filename="../../src/link/widgets/CProcessDlg.cpp" line="28"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../../src/link/widgets/CProcessDlg.cpp" line="34"/>
        <source>Not start yet</source>
        <translation>尚未开始</translation>
    </message>
    <message>
        <location filename="../../src/link/widgets/CProcessDlg.cpp" line="38"/>
        <source>Progress：</source>
        <translation>进度：</translation>
    </message>
</context>
<context>
    <name>radio::gui::CPortSettingDlg</name>
    <message>
        <location filename="../../src/link/widgets/CPortSettingDlg.cpp" line="26"/>
        <source>Port Setting</source>
        <translation>端口设置</translation>
    </message>
    <message>
        <location filename="../../src/link/widgets/CPortSettingDlg.cpp" line="28"/>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <location filename="../../src/link/widgets/CPortSettingDlg.cpp" line="41"/>
        <source>No serial port found</source>
        <translation>未找到串口</translation>
    </message>
    <message>
        <location filename="../../src/link/widgets/CPortSettingDlg.cpp" line="47"/>
        <source>Device:</source>
        <translation>设备：</translation>
    </message>
    <message>
        <location filename="../../src/link/widgets/CPortSettingDlg.cpp" line="90"/>
        <source>[busy]</source>
        <translation>[占用]</translation>
    </message>
    <message>
        <location filename="../../src/link/widgets/CPortSettingDlg.cpp" line="91"/>
        <source>[no access]</source>
        <translation>[无权限]</translation>
    </message>
    <message>
        <location filename="../../src/link/widgets/CPortSettingDlg.cpp" line="74"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../../src/link/widgets/CPortSettingDlg.cpp" line="75"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
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
</context>
</TS>
