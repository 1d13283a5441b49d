<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>radio::gui::CMainFrame</name>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Verify</translation>
    </message>
    <message>
        <source>Compare the radio with the document, writing nothing</source>
        <translation>Compare the radio with the document, writing nothing</translation>
    </message>
    <message>
        <source>&amp;Identify Radio</source>
        <translation>&amp;Identify Radio</translation>
    </message>
    <message>
        <source>Ask the radio for its band type, model, password and bands only</source>
        <translation>Ask the radio for its band type, model, password and bands only</translation>
    </message>
    <message>
        <source>Verify &amp;after Writing</source>
        <translation>Verify &amp;after Writing</translation>
    </message>
    <message>
        <source>Read the radio back after each write and compare it with the document</source>
        <translation>Read the radio back after each write and compare it with the document</translation>
    </message>
    <message>
        <source>Co&amp;mpare With...</source>
        <translation>Co&amp;mpare With...</translation>
    </message>
    <message>
        <source>List every difference between the active document and a file</source>
        <translation>List every difference between the active document and a file</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Open &amp;Backup...</translation>
    </message>
    <message>
        <source>Open a backup kept by a read from the radio</source>
        <translation>Open a backup kept by a read from the radio</translation>
    </message>
    <message>
        <source>&amp;Import Channels...</source>
        <translation>&amp;Import Channels...</translation>
    </message>
    <message>
        <source>Read a channel list (CSV) into the channels of the active document</source>
        <translation>Read a channel list (CSV) into the channels of the active document</translation>
    </message>
    <message>
        <source>&amp;Export Channels...</source>
        <translation>&amp;Export Channels...</translation>
    </message>
    <message>
        <source>Write the channels of the active document as a channel list (CSV)</source>
        <translation>Write the channels of the active document as a channel list (CSV)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Create a new document</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Open an existing document</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Close the active document</source>
        <translation>Close the active document</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Save the active document</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Save the active document with a new name</source>
        <translation>Save the active document with a new name</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Print the active document</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Display full pages</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Change the printer and printing options</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Quit the application; prompts to save documents</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <source>Read Data From Radio</source>
        <translation>Read Data From Radio</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Write</translation>
    </message>
    <message>
        <source>Write Data To Radio</source>
        <translation>Write Data To Radio</translation>
    </message>
    <message>
        <source>&amp;Com Setup</source>
        <translation>&amp;Com Setup</translation>
    </message>
    <message>
        <source>Choose the serial port of the programming cable</source>
        <translation>Choose the serial port of the programming cable</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Choose the language of the program</source>
        <translation>Choose the language of the program</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Show or hide the toolbar</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Show or hide the status bar</translation>
    </message>
    <message>
        <source>Control &amp;Bar</source>
        <translation>Control &amp;Bar</translation>
    </message>
    <message>
        <source>Show or hide the navigation bar</source>
        <translation>Show or hide the navigation bar</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Help Topics</translation>
    </message>
    <message>
        <source>List Help topics</source>
        <translation>List Help topics</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;About ...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Display program information, version number and copyright</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Program</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Setup</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Tile</translation>
    </message>
    <message>
        <source> (closed)</source>
        <translation> (closed)</translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>Backup saved: %1</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Failed to open document.</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>Failed to save document.</source>
        <translation>Failed to save document.</translation>
    </message>
    <message>
        <source>The document and %1 are the same.</source>
        <translation>The document and %1 are the same.</translation>
    </message>
    <message>
        <source>From the document to %1:</source>
        <translation>From the document to %1:</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Cannot read %1.</source>
        <translation>Cannot read %1.</translation>
    </message>
    <message>
        <source>%1 is not a channel list that can be read:</source>
        <translation>%1 is not a channel list that can be read:</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Failed to export the channels.</source>
        <translation>Failed to export the channels.</translation>
    </message>
    <message>
        <source>%1 channel(s) exported. Other programs may refuse:</source>
        <translation>%1 channel(s) exported. Other programs may refuse:</translation>
    </message>
</context>
<context>
    <name>radio::gui::CLanguageDlg</name>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinese</translation>
    </message>
</context>
<context>
    <name>radio::gui::UserPrompts</name>
    <message>
        <source>Channel List (*.csv)</source>
        <translation>Channel List (*.csv)</translation>
    </message>
    <message>
        <source>Program Document (*.dat)</source>
        <translation>Program Document (*.dat)</translation>
    </message>
</context>
<context>
    <name>radio::gui::EditCommands</name>
    <message>
        <source>Undo &amp;History</source>
        <translation>Undo &amp;History</translation>
    </message>
    <message>
        <source>Undo History</source>
        <translation>Undo History</translation>
    </message>
    <message>
        <source>&lt;opened&gt;</source>
        <translation>&lt;opened&gt;</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Insert Channel</source>
        <translation>&amp;Insert Channel</translation>
    </message>
    <message>
        <source>&amp;Remove Channel</source>
        <translation>&amp;Remove Channel</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Move &amp;Up</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Move Do&amp;wn</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
</context>
<context>
    <name>radio::gui::NavigationBar</name>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>radio::gui::CProgramApp</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>The program could not be started again.</source>
        <translation>The program could not be started again.</translation>
    </message>
</context>
<context>
    <name>radio::gui::CProgramDoc</name>
    <message>
        <source>Channel Information</source>
        <translation>Channel Information</translation>
    </message>
</context>
</TS>
