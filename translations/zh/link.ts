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
    <name>radio::gui::TransferController</name>
    <message>
        <source>Document</source>
        <translation>文档</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>电台</translation>
    </message>
    <message>
        <source>Read Data</source>
        <translation>读数据</translation>
    </message>
    <message>
        <source>Write Data</source>
        <translation>写数据</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>校验</translation>
    </message>
    <message>
        <source>Identify Radio</source>
        <translation>识别电台</translation>
    </message>
    <message>
        <source>This document should not go to the radio as it is:</source>
        <translation>此文档不宜按原样写入电台：</translation>
    </message>
    <message>
        <source>Write it anyway?</source>
        <translation>仍要写入吗？</translation>
    </message>
    <message>
        <source>Write Anyway</source>
        <translation>仍然写入</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>Write completed.</source>
        <translation>写入完成。</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>The radio is protected by a password.
Enter it (up to six digits) to read the radio again:</source>
        <translation>电台设有密码。
请输入密码（最多六位数字）后重新读取：</translation>
    </message>
    <message>
        <source>The radio was read, but its backup could not be saved:</source>
        <translation>已读取电台数据，但无法保存备份：</translation>
    </message>
    <message>
        <source>The radio was written, but the verify after it failed:</source>
        <translation>已写入电台，但写入后的校验失败：</translation>
    </message>
    <message>
        <source>Verify: the radio holds the document.</source>
        <translation>校验：电台数据与文档一致。</translation>
    </message>
    <message>
        <source>The radio differs from the document (document -&gt; radio):</source>
        <translation>电台数据与文档不一致（文档 -&gt; 电台）：</translation>
    </message>
</context>
</TS>
