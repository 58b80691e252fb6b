<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Methods</name>
    <message>
        <source>Figure 01</source>
        <translation>Pattern 01</translation>
    </message>
</context>
</TS>
