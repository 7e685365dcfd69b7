<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="it">
<context>
    <name>kx::FORMprinc</name>
    <message numerus="yes">
        <source>%n condotti</source>
        <extracomment>Spoken when the number of ports is changed: 1 to 4.</extracomment>
        <translation>
            <numerusform>%n condotto</numerusform>
            <numerusform>%n condotti</numerusform>
        </translation>
    </message>
</context>
</TS>
