<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>radio::gui::CProgramView</name>
    <message>
        <source>Sort Channels</source>
        <translation>信道排序</translation>
    </message>
    <message>
        <source>Compact Channels</source>
        <translation>压缩信道</translation>
    </message>
    <message>
        <source>Fill Down</source>
        <translation>向下填充</translation>
    </message>
    <message>
        <source>Fill Series</source>
        <translation>序列填充</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
</context>
<context>
    <name>radio::gui::EditCommands</name>
    <message>
        <source>&amp;Sort Channels...</source>
        <translation>信道排序(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Compact Channels</source>
        <translation>压缩信道(&amp;C)</translation>
    </message>
    <message>
        <source>Fill &amp;Down</source>
        <translation>向下填充(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Fill Series...</source>
        <translation>序列填充(&amp;F)...</translation>
    </message>
    <message>
        <source>Fi&amp;nd...</source>
        <translation>查找(&amp;N)...</translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation>替换(&amp;E)...</translation>
    </message>
</context>
<context>
    <name>radio::gui::SortChannelsDialog</name>
    <message>
        <source>Sort Channels</source>
        <translation>信道排序</translation>
    </message>
    <message>
        <source>Sort by</source>
        <translation>排序依据</translation>
    </message>
    <message>
        <source>&amp;Rx frequency</source>
        <translation>接收频率(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Tx frequency</source>
        <translation>发射频率(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>名字(&amp;N)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>&amp;Selected channels %1-%2</source>
        <translation>选中的信道 %1-%2(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Selected channels</source>
        <translation>选中的信道(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;All channels 1-128</source>
        <translation>全部信道 1-128(&amp;A)</translation>
    </message>
    <message>
        <source>Channels in use come first, in order; empty channels follow. Whole channels move, and the priority channel follows its channel.</source>
        <translation>使用中的信道按顺序排在前面，空信道在后。整个信道一起移动，优先信道跟随其信道。</translation>
    </message>
</context>
<context>
    <name>radio::gui::FillSeriesDialog</name>
    <message>
        <source>Fill Series</source>
        <translation>序列填充</translation>
    </message>
    <message>
        <source>Tx &amp;offset (MHz):</source>
        <translation>发射偏移 (MHz)(&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Channels (A-B):</source>
        <translation>信道 (A-B)(&amp;C):</translation>
    </message>
    <message>
        <source>&amp;First Rx frequency (MHz):</source>
        <translation>起始接收频率 (MHz)(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Step (MHz):</source>
        <translation>步进 (MHz)(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Names (%d counts 1, 2, ...):</source>
        <translation>名字（%d 依次为 1、2、...）(&amp;N):</translation>
    </message>
    <message>
        <source>Without an offset the Tx frequency equals the Rx one. An empty step keeps one frequency; an empty name pattern keeps the names.</source>
        <translation>不设偏移时发射频率等于接收频率。步进为空时使用同一频率；名字模式为空时保留原名字。</translation>
    </message>
    <message>
        <source>The channels are A-B, from 1 to 128, such as 1-16.</source>
        <translation>信道写作 A-B，范围 1 到 128，例如 1-16。</translation>
    </message>
    <message>
        <source>The first Rx frequency is a frequency in MHz, such as 446.00625.</source>
        <translation>起始接收频率是以 MHz 为单位的频率，例如 446.00625。</translation>
    </message>
    <message>
        <source>The step is a number of MHz, such as 0.0125 or -0.025.</source>
        <translation>步进是以 MHz 为单位的数，例如 0.0125 或 -0.025。</translation>
    </message>
    <message>
        <source>The offset is a number of MHz, such as -7.6 or 0.6.</source>
        <translation>偏移是以 MHz 为单位的数，例如 -7.6 或 0.6。</translation>
    </message>
</context>
<context>
    <name>radio::gui::FindReplaceDialog</name>
    <message>
        <source>Find and Replace</source>
        <translation>查找和替换</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>区分大小写(&amp;C)</translation>
    </message>
    <message>
        <source>Fi&amp;nd in names:</source>
        <translation>在名字中查找(&amp;N):</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>替换为(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>查找下一个(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>全部替换(&amp;A)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>%1 name(s) hold the text.</source>
        <translation>%1 个名字包含该文本。</translation>
    </message>
    <message>
        <source>No name holds the text.</source>
        <translation>没有名字包含该文本。</translation>
    </message>
    <message>
        <source>%1 name(s) changed.</source>
        <translation>已修改 %1 个名字。</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
</context>
</TS>
