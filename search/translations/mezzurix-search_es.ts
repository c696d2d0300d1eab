<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>SearchAnswers</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>%1 = %2 · %3</source>
        <extracomment>The whole conversion and its category: &quot;24 Inches = 2 Feet · Distance&quot;</extracomment>
        <translation>%1 = %2 · %3</translation>
    </message>
    <message>
        <source>%1 = %2 · ECB reference rate of %3</source>
        <extracomment>A currency conversion and the date of its rate: &quot;100 US dollars = 92.31 euros · ECB reference rate of 2026-12-08&quot;</extracomment>
        <translation>%1 = %2 · tipo de referencia del BCE del %3</translation>
    </message>
</context>
</TS>
