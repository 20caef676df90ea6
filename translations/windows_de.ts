<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="de">
<context>
    <name>MapCatalog</name>
    <message numerus="yes">
        <source>%1 (und %n weitere Mängel)</source>
        <translation>
            <numerusform>%1 (und %n weitere Mängel)</numerusform>
            <numerusform>%1 (und %n weitere Mängel)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stratagon::MapPickWindow</name>
    <message numerus="yes">
        <source>%1 – %2, %n Länder</source>
        <translation>
            <numerusform>%1 – %2, %n Länder</numerusform>
            <numerusform>%1 – %2, %n Länder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1, %n Länder</source>
        <translation>
            <numerusform>%1, %n Land</numerusform>
            <numerusform>%1, %n Länder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stratagon::OpponentPickWindow</name>
    <message numerus="yes">
        <source>%n Gegner</source>
        <translation>
            <numerusform>%n Gegner</numerusform>
            <numerusform>%n Gegner</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stratagon::ReportWindow</name>
    <message numerus="yes">
        <source>%n Jahre, </source>
        <translation>
            <numerusform>%n Jahr, </numerusform>
            <numerusform>%n Jahre, </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Monate</source>
        <translation>
            <numerusform>%n Monat</numerusform>
            <numerusform>%n Monate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Länder</source>
        <translation>
            <numerusform>%n Land</numerusform>
            <numerusform>%n Länder</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>stratagon::TurningPanel</name>
    <message numerus="yes">
        <source>%1 bis %2: Du verlierst %n Länder.</source>
        <translation>
            <numerusform>%1 bis %2: Du verlierst %n Land.</numerusform>
            <numerusform>%1 bis %2: Du verlierst %n Länder.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 bis %2: Du eroberst %n Länder.</source>
        <translation>
            <numerusform>%1 bis %2: Du eroberst %n Land.</numerusform>
            <numerusform>%1 bis %2: Du eroberst %n Länder.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: Dein Reich ist am größten, %n Länder.</source>
        <translation>
            <numerusform>%1: Dein Reich ist am größten, %n Land.</numerusform>
            <numerusform>%1: Dein Reich ist am größten, %n Länder.</numerusform>
        </translation>
    </message>
</context>
</TS>
