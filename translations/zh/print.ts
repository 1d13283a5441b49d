<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>radio::gui::CPrintListDlg</name>
    <message>
        <source>PrintList</source>
        <translation>打印列表</translation>
    </message>
    <message>
        <source>DTMF</source>
        <translation>DTMF</translation>
    </message>
    <message>
        <source>MSK</source>
        <translation>MSK</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>2-Tone</source>
        <translation>2-Tone</translation>
    </message>
    <message>
        <source>Channel Info</source>
        <translation>信道信息</translation>
    </message>
    <message>
        <source>Channel Table</source>
        <translation>信道列表</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>radio::gui::ReportPrinter</name>
    <message>
        <source>There is nothing to print: the chosen sections have no pages.</source>
        <translation>没有可打印的内容：所选项目没有页面。</translation>
    </message>
    <message>
        <source>The printer could not be opened.</source>
        <translation>无法打开打印机。</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
</context>
</TS>
