<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="nl">
<context>
    <name>Greeting</name>
    <message>
        <source>Goedemorgen</source>
        <translation>Good morning</translation>
    </message>
</context>
</TS>
