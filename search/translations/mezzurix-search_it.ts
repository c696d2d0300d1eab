<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>SearchAnswers</name>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>%1 = %2 · %3</source>
        <extracomment>The whole conversion and its category: &quot;24 Inches = 2 Feet · Distance&quot;</extracomment>
        <translation>%1 = %2 · %3</translation>
    </message>
    <message>
        <source>read “%1” as “%2”</source>
        <extracomment>A misspelt unit name read as the name it is near: &quot;kilogarms&quot; as &quot;kilograms&quot;</extracomment>
        <translation>«%1» letto come «%2»</translation>
    </message>
    <message>
        <source>left out “%1”</source>
        <extracomment>Words of the query that name no unit, left out of the conversion: &quot;2 cups of water&quot;</extracomment>
        <translation>«%1» tralasciato</translation>
    </message>
    <message>
        <source>%1 = %2 · ECB reference rate of %3</source>
        <extracomment>A currency conversion and the date of its rate: &quot;100 US dollars = 92.31 euros · ECB reference rate of 2026-12-08&quot;</extracomment>
        <translation>%1 = %2 · tasso di riferimento BCE del %3</translation>
    </message>
</context>
</TS>
