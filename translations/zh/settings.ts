<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>radio::gui::CKeyAssignDlg</name>
    <message>
        <location filename="../../src/features/widgets/CKeyAssignDlg.cpp" line="21"/>
        <source>Key Assignment</source>
        <translation>侧键设定</translation>
    </message>
</context>
<context>
    <name>radio::gui::COptionalFeaturesDlg</name>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="35"/>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
</context>
<context>
    <name>radio::gui::CProductInfoDlg</name>
    <message>
        <location filename="../../src/features/widgets/CProductInfoDlg.cpp" line="27"/>
        <source>Product Information</source>
        <translation>机型设置</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CProductInfoDlg.cpp" line="40"/>
        <source>Model Info</source>
        <translation>机型信息</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CProductInfoDlg.cpp" line="49"/>
        <source>——</source>
        <translation>——</translation>
    </message>
</context>
<context>
    <name>radio::gui::CSquelchTuningDlg</name>
    <message>
        <location filename="../../src/features/widgets/CSquelchTuningDlg.cpp" line="27"/>
        <source>Squelch Tuning</source>
        <translation>静噪调整</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CSquelchTuningDlg.cpp" line="46"/>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CSquelchTuningDlg.cpp" line="48"/>
        <source>Write</source>
        <translation>写入</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CSquelchTuningDlg.cpp" line="50"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CSquelchTuningDlg.cpp" line="53"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
