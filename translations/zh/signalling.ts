<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>radio::gui::CDtmfDecodePage</name>
    <message>
        <location filename="../../src/features/widgets/CDtmfDecodePage.cpp" line="52"/>
        <source>Stun</source>
        <translation>遥毙</translation>
    </message>
</context>
<context>
    <name>radio::gui::CDtmfDlg</name>
    <message>
        <location filename="../../src/features/widgets/CDtmfDlg.cpp" line="21"/>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CDtmfDlg.cpp"/>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CDtmfDlg.cpp"/>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CDtmfDlg.cpp"/>
        <source>CallList</source>
        <translation>呼叫列表</translation>
    </message>
</context>
<context>
    <name>radio::gui::CDtmfEncodePage</name>
</context>
<context>
    <name>radio::gui::CMskDlg</name>
    <message>
        <location filename="../../src/features/widgets/CMskDlg.cpp" line="30"/>
        <source>MSK</source>
        <translation>MSK</translation>
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
</context>
<context>
    <name>radio::gui::CTwoToneDlg</name>
    <message>
        <location filename="../../src/features/widgets/CTwoToneDlg.cpp" line="18"/>
        <source>2-Tone</source>
        <translation>2-Tone</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CTwoToneDlg.cpp"/>
        <source>Encode</source>
        <translation>编码</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CTwoToneDlg.cpp"/>
        <source>Decode</source>
        <translation>解码</translation>
    </message>
</context>
<context>
    <name>radio::gui::CTwoToneEncodePage</name>
    <message>
        <location filename="../../src/features/widgets/CTwoToneEncodePage.cpp"/>
        <source>Num</source>
        <translation>编号</translation>
    </message>
</context>
<context>
    <name>radio::gui::GridCellEditor</name>
    <message>
        <location filename="../../src/features/widgets/GridCellEditor.cpp"/>
        <source>Num</source>
        <translation>编号</translation>
    </message>
</context>
</TS>
