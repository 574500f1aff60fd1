<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AppCoordinator</name>
    <message numerus="yes">
        <source>Copied %n word(s)</source>
        <translation>
            <numerusform>Copied %n word</numerusform>
            <numerusform>Copied %n words</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message numerus="yes">
        <source>%n capture(s)</source>
        <translation>
            <numerusform>%n capture</numerusform>
            <numerusform>%n captures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n capture(s)</source>
        <translation>
            <numerusform>%1 of %n capture</numerusform>
            <numerusform>%1 of %n captures</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OnboardingView</name>
    <message numerus="yes">
        <source>Reads text in %n language(s)</source>
        <translation>
            <numerusform>Reads text in %n language</numerusform>
            <numerusform>Reads text in %n languages</numerusform>
        </translation>
    </message>
</context>
</TS>
