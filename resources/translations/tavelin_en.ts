<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Board</name>
    <message numerus="yes">
        <source>%n pieces</source>
        <translation>
            <numerusform>%n piece</numerusform>
            <numerusform>%n pieces</numerusform>
        </translation>
    </message>
</context>
</TS>
