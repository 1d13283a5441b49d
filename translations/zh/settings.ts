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
    <message>
        <location filename="../../src/features/widgets/CKeyAssignDlg.cpp" line="23"/>
        <source>Side Key</source>
        <translation>侧键</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CKeyAssignDlg.cpp" line="26"/>
        <source>Option Singalling Call</source>
        <translation>选择信令呼叫</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CKeyAssignDlg.cpp" line="26"/>
        <source>Emergency Call</source>
        <translation>紧急呼叫</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CKeyAssignDlg.cpp" line="27"/>
        <source>Send 1750Hz Singal</source>
        <translation>发射1750Hz信号</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CKeyAssignDlg.cpp" line="27"/>
        <source>Squelch Off Momentary</source>
        <translation>瞬时静噪关闭</translation>
    </message>
</context>
<context>
    <name>radio::gui::COptionalFeaturesDlg</name>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="35"/>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="44"/>
        <source>Keypad Lock</source>
        <translation>键盘锁</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="45"/>
        <source>Repeater Msk Invert</source>
        <translation>中继MSK反相</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="61"/>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="96"/>
        <source>TOT (s)</source>
        <translation>发射限时 (s)</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="97"/>
        <source>Squelch Level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="98"/>
        <source>Vox Gain Level</source>
        <translation>声控等级</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="99"/>
        <source>Step (k)</source>
        <translation>步进 (k)</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="100"/>
        <source>TOT Pre-Alert (s)</source>
        <translation>发射限时预警 (s)</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="101"/>
        <source>Priority Channel</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="102"/>
        <source>Short Press Orange Key</source>
        <translation>短按橙键</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="103"/>
        <source>Key Lock</source>
        <translation>键盘锁定</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="104"/>
        <source>Beep</source>
        <translation>按键音</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="105"/>
        <source>Stopwatch</source>
        <translation>秒表</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="106"/>
        <source>Scan Mode</source>
        <translation>扫描模式</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="107"/>
        <source>Tail</source>
        <translation>尾音消除</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="108"/>
        <source>STR Set</source>
        <translation>STR设置</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="109"/>
        <source>Power-on Style</source>
        <translation>开机显示</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="110"/>
        <source>Back Light</source>
        <translation>背光</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="111"/>
        <source>Back Light Color</source>
        <translation>背光颜色</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="112"/>
        <source>Display Mode</source>
        <translation>显示模式</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="113"/>
        <source>Battery Saver</source>
        <translation>省电模式</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="114"/>
        <source>Allow Reset</source>
        <translation>允许复位</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/COptionalFeaturesDlg.cpp" line="115"/>
        <source>MSK Type</source>
        <translation>MSK类型</translation>
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
        <location filename="../../src/features/widgets/CProductInfoDlg.cpp" line="42"/>
        <source>Model</source>
        <translation>机型</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CProductInfoDlg.cpp" line="46"/>
        <source>Field</source>
        <translation>频段</translation>
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
        <location filename="../../src/features/widgets/CSquelchTuningDlg.cpp" line="29"/>
        <source>V Wide Squelch Tuning</source>
        <translation>V段宽带静噪调整</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CSquelchTuningDlg.cpp" line="29"/>
        <source>V Narrow Squelch Tuning</source>
        <translation>V段窄带静噪调整</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CSquelchTuningDlg.cpp" line="30"/>
        <source>U Wide Squelch Tuning</source>
        <translation>U段宽带静噪调整</translation>
    </message>
    <message>
        <location filename="../../src/features/widgets/CSquelchTuningDlg.cpp" line="30"/>
        <source>U Narrow Squelch Tuning</source>
        <translation>U段窄带静噪调整</translation>
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
