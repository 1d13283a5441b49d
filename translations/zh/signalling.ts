<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>radio::gui::CDtmfDecodePage</name>
    <message>
        <location filename="../../src/features/widgets/CDtmfDecodePage.cpp" line="42"/>
        <source>ID Code</source>
        <translation>ID码</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CDtmfDecodePage.cpp" line="49"/>
        <source>Group Code</source>
        <translation>组码</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CDtmfDecodePage.cpp" line="52"/>
        <source>Stun</source>
        <translation>遥毙</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CDtmfDecodePage.cpp" line="54"/>
        <source>Stun Activation</source>
        <translation>遥毙启用</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CDtmfDecodePage.cpp" line="56"/>
        <source>Stun Code</source>
        <translation>遥毙码</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CDtmfDecodePage.cpp" line="63"/>
        <source>Stun Type</source>
        <translation>遥毙类型</translation>
    </message>
</context>
<context>
    <name>radio::gui::CDtmfDlg</name>
    <message>
        <location filename="../../src/features/widgets/CDtmfDlg.cpp" line="21"/>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
</context>
<context>
    <name>radio::gui::CDtmfEncodePage</name>
    <message>
        <location filename="../../src/features/widgets/CDtmfEncodePage.cpp" line="24"/>
        <source>DTMF Speed(digit/s)</source>
        <translation>DTMF速率(位/秒)</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CDtmfEncodePage.cpp" line="24"/>
        <source>First Digit Delay Time(ms)</source>
        <translation>首位延迟时间(毫秒)</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CDtmfEncodePage.cpp" line="25"/>
        <source>First Digit Time(ms)</source>
        <translation>首位持续时间(毫秒)</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CDtmfEncodePage.cpp" line="25"/>
        <source>* and # Digit Time(ms)</source>
        <translation>*和#持续时间(毫秒)</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CDtmfEncodePage.cpp" line="51"/>
        <source>SideTone</source>
        <translation>侧音</translation>
    </message>
</context>
<context>
    <name>radio::gui::CMskDlg</name>
    <message>
        <location filename="../../src/features/widgets/CMskDlg.cpp" line="30"/>
        <source>MSK</source>
        <translation>MSK</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CMskDlg.cpp" line="42"/>
        <source>ID Code</source>
        <translation>ID码</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CMskDlg.cpp" line="46"/>
        <source>Call List</source>
        <translation>呼叫列表</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CMskDlg.cpp" line="73"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CMskDlg.cpp" line="75"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>radio::gui::CTwoToneDecodePage</name>
    <message>
        <location filename="../../src/features/widgets/CTwoToneDecodePage.cpp" line="24"/>
        <source>A Tone(HZ)</source>
        <translation>A音(HZ)</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CTwoToneDecodePage.cpp" line="24"/>
        <source>B Tone(HZ)</source>
        <translation>B音(HZ)</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CTwoToneDecodePage.cpp" line="24"/>
        <source>The first delay time(s)</source>
        <translation>第一延迟时间(秒)</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CTwoToneDecodePage.cpp" line="25"/>
        <source>The second delay time(s)</source>
        <translation>第二延迟时间(秒)</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CTwoToneDecodePage.cpp" line="25"/>
        <source>Interval time(s)</source>
        <translation>间隔时间(秒)</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CTwoToneDecodePage.cpp" line="25"/>
        <source>Long tone delay time(s)</source>
        <translation>长音延迟时间(秒)</translation>
    </message>
</context>
<context>
    <name>radio::gui::CTwoToneDlg</name>
    <message>
        <location filename="../../src/features/widgets/CTwoToneDlg.cpp" line="18"/>
        <source>2-Tone</source>
        <translation>2-Tone</translation>
    </message>
</context>
<context>
    <name>radio::gui::CTwoToneEncodePage</name>
    <message>
        <location filename="../../src/features/widgets/CTwoToneEncodePage.cpp" line="35"/>
        <source>The first delay time(s)</source>
        <translation>第一延迟时间(秒)</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CTwoToneEncodePage.cpp" line="35"/>
        <source>The second delay time(s)</source>
        <translation>第二延迟时间(秒)</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CTwoToneEncodePage.cpp" line="36"/>
        <source>Long tone delay time(s)</source>
        <translation>长音延迟时间(秒)</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CTwoToneEncodePage.cpp" line="36"/>
        <source>Tone interval time(ms)</source>
        <translation>音间隔时间(毫秒)</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CTwoToneEncodePage.cpp" line="36"/>
        <source>Tx rise delay time(ms)</source>
        <translation>发射上升延迟时间(毫秒)</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CTwoToneEncodePage.cpp" line="54"/>
        <source>Short beep tone</source>
        <translation>短提示音</translation>
    </message>
</context>
</TS>
