<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Detection</name>
    <message numerus="yes">
        <source>%1 is %n byte(s): too short for a Mega Drive image (at least %2 bytes).</source>
        <translation>
            <numerusform>%1 is %n byte: too short for a Mega Drive image (at least %2 bytes).</numerusform>
            <numerusform>%1 is %n bytes: too short for a Mega Drive image (at least %2 bytes).</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaveReport</name>
    <message numerus="yes">
        <source>Saved %1: %n value(s); checksum left as it was (Fix Checksum is off).</source>
        <translation>
            <numerusform>Saved %1: %n value; checksum left as it was (Fix Checksum is off).</numerusform>
            <numerusform>Saved %1: %n values; checksum left as it was (Fix Checksum is off).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %1: %n value(s); checksum repaired.</source>
        <translation>
            <numerusform>Saved %1: %n value; checksum repaired.</numerusform>
            <numerusform>Saved %1: %n values; checksum repaired.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %1: %n value(s); checksum already right.</source>
        <translation>
            <numerusform>Saved %1: %n value; checksum already right.</numerusform>
            <numerusform>Saved %1: %n values; checksum already right.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ToolMessages</name>
    <message numerus="yes">
        <source>%1 other byte(s) differ outside the editors&apos; values and the header</source>
        <translation>
            <numerusform>%1 other byte differs outside the editors&apos; values and the header</numerusform>
            <numerusform>%1 other bytes differ outside the editors&apos; values and the header</numerusform>
        </translation>
    </message>
</context>
</TS>
