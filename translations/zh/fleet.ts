<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>radio::gui::FleetSetupDialog</name>
    <message>
        <source>Program Several Radios</source>
        <translation>批量写入电台</translation>
    </message>
    <message>
        <source>[busy]</source>
        <translation>[占用]</translation>
    </message>
    <message>
        <source>[no access]</source>
        <translation>[无权限]</translation>
    </message>
    <message>
        <source>[free]</source>
        <translation>[空闲]</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>设备：</translation>
    </message>
    <message>
        <source>&amp;Verify each radio after writing</source>
        <translation>写入后校验每台电台(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;No limit</source>
        <translation>不限数量(&amp;N)</translation>
    </message>
    <message>
        <source>Radios in all:</source>
        <translation>电台总数：</translation>
    </message>
    <message>
        <source>Log file:</source>
        <translation>日志文件：</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Ports (one radio at a time on each):</source>
        <translation>端口（每个端口每次一台电台）：</translation>
    </message>
</context>
<context>
    <name>radio::gui::FleetWindow</name>
    <message>
        <source>Program Several Radios</source>
        <translation>批量写入电台</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Radios ok</source>
        <translation>成功台数</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败台数</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>日志：%1</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>No new radio; the radios being written finish and are verified</source>
        <translation>不再开始新的电台；正在写入的电台写完并校验后停止</translation>
    </message>
    <message>
        <source>Stop &amp;Now</source>
        <translation>立即停止(&amp;N)</translation>
    </message>
    <message>
        <source>Cut the writes at once: those radios hold a partial write</source>
        <translation>立即中断写入：这些电台只写入了一部分</translation>
    </message>
    <message>
        <source>Radios: %1 ok, %2 failed, %3 being written</source>
        <translation>电台：%1 台成功，%2 台失败，%3 台正在写入</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>This document should not go to the radios as it is:</source>
        <translation>此文档不宜按原样写入电台：</translation>
    </message>
    <message>
        <source>Write it anyway?</source>
        <translation>仍然写入？</translation>
    </message>
    <message>
        <source>Write Anyway</source>
        <translation>仍然写入</translation>
    </message>
    <message>
        <source>The log cannot be written:</source>
        <translation>无法写入日志：</translation>
    </message>
</context>
<context>
    <name>radio::gui::CMainFrame</name>
    <message>
        <source>Program &amp;Several Radios...</source>
        <translation>批量写入电台(&amp;S)...</translation>
    </message>
    <message>
        <source>Write the document into many radios, several ports at once, each verified and logged</source>
        <translation>将文档写入多台电台，多个端口同时进行，每台均校验并记录</translation>
    </message>
</context>
</TS>
