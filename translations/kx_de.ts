<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="it">
<context>
    <name>FORMprinc</name>
    <message>
        <source>Dimensioni</source>
        <translation>Gehäuse</translation>
    </message>
    <message>
        <source>Volume box in decimetri cubi</source>
        <translation>Gehäusevolumen in Kubikdezimetern</translation>
    </message>
    <message>
        <source>Volume netto della cassa, in decimetri cubi</source>
        <translation>Nettovolumen des Gehäuses, in Kubikdezimetern</translation>
    </message>
    <message>
        <source>Volume box      (dm^3)</source>
        <translation>Nettovolumen   (dm^3)</translation>
    </message>
    <message>
        <source>Dimensioni condotto</source>
        <translation>Bassreflexrohr</translation>
    </message>
    <message>
        <source>Passo della lunghezza del condotto</source>
        <translation>Rohrlänge schrittweise</translation>
    </message>
    <message>
        <source>Allunga o accorcia il condotto di un centimetro e ricalcola Kx. La prima volta riprende la lunghezza scritta</source>
        <translation>Verlängert oder verkürzt das Rohr um einen Zentimeter und berechnet Kx neu. Der erste Schritt übernimmt die eingegebene Länge</translation>
    </message>
    <message>
        <source>Lunghezza cond. in centimetri</source>
        <translation>Rohrlänge in Zentimetern</translation>
    </message>
    <message>
        <source>Lunghezza del condotto reflex, in centimetri</source>
        <translation>Länge des Bassreflexrohrs, in Zentimetern</translation>
    </message>
    <message>
        <source>Larg. in centimetri</source>
        <translation>Breite in Zentimetern</translation>
    </message>
    <message>
        <source>Larghezza del condotto rettangolare, in centimetri. Entrandovi si svuota il diametro</source>
        <translation>Breite des rechteckigen Rohrs, in Zentimetern. Beim Hineingehen wird der Durchmesser geleert</translation>
    </message>
    <message>
        <source>Alt. in centimetri</source>
        <translation>Höhe in Zentimetern</translation>
    </message>
    <message>
        <source>Altezza del condotto rettangolare, in centimetri. Entrandovi si svuota il diametro</source>
        <translation>Höhe des rechteckigen Rohrs, in Zentimetern. Beim Hineingehen wird der Durchmesser geleert</translation>
    </message>
    <message>
        <source>Diam. in centimetri</source>
        <translation>Durchmesser in Zentimetern</translation>
    </message>
    <message>
        <source>Diametro del condotto circolare, in centimetri. Entrandovi si svuotano altezza e larghezza</source>
        <translation>Durchmesser des runden Rohrs, in Zentimetern. Beim Hineingehen werden Höhe und Breite geleert</translation>
    </message>
    <message>
        <source>Lunghezza cond.  (cm)</source>
        <translation>Rohrlänge       (cm)</translation>
    </message>
    <message>
        <source>Larg.  (cm)</source>
        <translation>Breite (cm)</translation>
    </message>
    <message>
        <source>Alt.    (cm)</source>
        <translation>Höhe   (cm)</translation>
    </message>
    <message>
        <source>Diam.             (cm)</source>
        <translation>Durchmesser  (cm)</translation>
    </message>
    <message>
        <source>Numero condotti</source>
        <translation>Anzahl der Rohre</translation>
    </message>
    <message>
        <source>Numero di condotti uguali, da 1 a 4</source>
        <translation>Anzahl gleicher Rohre, 1 bis 4</translation>
    </message>
    <message>
        <source>Numero  condotti</source>
        <translation>Anzahl Rohre</translation>
    </message>
    <message>
        <source>&amp;Uscire</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Uscire</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Chiude il programma</source>
        <translation>Schließt das Programm</translation>
    </message>
    <message>
        <source>Informazioni</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Apre la finestra che spiega le due funzioni del programma</source>
        <translation>Öffnet das Fenster, das die beiden Funktionen des Programms erklärt</translation>
    </message>
    <message>
        <source>Ottimizza dimensioni del box</source>
        <translation>Gehäusemaße optimieren</translation>
    </message>
    <message>
        <source>&amp;Ottimizza dimensioni</source>
        <translation>Maße &amp;optimieren</translation>
    </message>
    <message>
        <source>Ottimizza dimensioni</source>
        <translation>Maße optimieren</translation>
    </message>
    <message>
        <source>Propone altezza, larghezza e profondità della cassa in proporzione aurea</source>
        <translation>Schlägt Höhe, Breite und Tiefe des Gehäuses im Goldenen Schnitt vor</translation>
    </message>
    <message>
        <source>Altezza proposta della cassa, in centimetri</source>
        <translation>Vorgeschlagene Höhe des Gehäuses, in Zentimetern</translation>
    </message>
    <message>
        <source>Larghezza proposta della cassa, in centimetri</source>
        <translation>Vorgeschlagene Breite des Gehäuses, in Zentimetern</translation>
    </message>
    <message>
        <source>Profondità proposta della cassa, in centimetri</source>
        <translation>Vorgeschlagene Tiefe des Gehäuses, in Zentimetern</translation>
    </message>
    <message>
        <source>Prof.  (cm)</source>
        <translation>Tiefe  (cm)</translation>
    </message>
    <message>
        <source>Prof. in centimetri</source>
        <translation>Tiefe in Zentimetern</translation>
    </message>
    <message>
        <source>Calcolo Kx</source>
        <translation>Kx-Berechnung</translation>
    </message>
    <message>
        <source>&amp;Calcola Kx </source>
        <translation>Kx &amp;berechnen </translation>
    </message>
    <message>
        <source>Calcola Kx</source>
        <translation>Kx berechnen</translation>
    </message>
    <message>
        <source>Calcola la frequenza di accordo della cassa con i suoi condotti</source>
        <translation>Berechnet die Abstimmfrequenz des Gehäuses mit seinen Rohren</translation>
    </message>
    <message>
        <source>Volume occupato da un condotto, in decimetri cubi</source>
        <translation>Volumen, das ein Rohr einnimmt, in Kubikdezimetern</translation>
    </message>
    <message>
        <source>Volume condotto   (dm^3)</source>
        <translation>Rohrvolumen       (dm^3)</translation>
    </message>
    <message>
        <source>Volume condotto in decimetri cubi</source>
        <translation>Rohrvolumen in Kubikdezimetern</translation>
    </message>
    <message>
        <source>Frequenza di accordo di cassa e condotti, in hertz</source>
        <translation>Abstimmfrequenz von Gehäuse und Rohren, in Hertz</translation>
    </message>
    <message>
        <source>Kx in hertz</source>
        <translation>Kx in Hertz</translation>
    </message>
    <message>
        <source>Sezione di un condotto, in centimetri quadrati</source>
        <translation>Querschnitt eines Rohrs, in Quadratzentimetern</translation>
    </message>
    <message>
        <source>Sezione condotto (cm^2)</source>
        <translation>Rohrquerschnitt (cm^2)</translation>
    </message>
    <message>
        <source>Sezione condotto in centimetri quadrati</source>
        <translation>Rohrquerschnitt in Quadratzentimetern</translation>
    </message>
    <message>
        <source>Diametro condotto    (cm)</source>
        <translation>Rohrdurchmesser (cm)</translation>
    </message>
    <message>
        <source>Diametro condotto in centimetri</source>
        <translation>Rohrdurchmesser in Zentimetern</translation>
    </message>
    <message>
        <source>Diametro del condotto circolare di pari sezione, in centimetri</source>
        <translation>Durchmesser eines runden Rohrs gleichen Querschnitts, in Zentimetern</translation>
    </message>
</context>
<context>
    <name>GuidancePicture</name>
    <message>
        <source>Alt.</source>
        <extracomment>The height marked on a picture of the slot port: a short word, as &quot;Alt.&quot; for &quot;Altezza&quot;.</extracomment>
        <translation>H</translation>
    </message>
    <message>
        <source>Larg.</source>
        <extracomment>The width marked on a picture of the slot port: a short word, as &quot;Larg.&quot; for &quot;Larghezza&quot;.</extracomment>
        <translation>B</translation>
    </message>
    <message>
        <source>Volume box</source>
        <extracomment>The title of a picture that explains a field: the net volume of the box.</extracomment>
        <translation>Nettovolumen</translation>
    </message>
    <message>
        <source>Diametro condotto</source>
        <translation>Rohrdurchmesser</translation>
    </message>
    <message>
        <source>Altezza condotto</source>
        <extracomment>The height of the rectangular (slot) port.</extracomment>
        <translation>Rohrhöhe</translation>
    </message>
    <message>
        <source>Larghezza condotto</source>
        <extracomment>The width of the rectangular (slot) port.</extracomment>
        <translation>Rohrbreite</translation>
    </message>
    <message>
        <source>Lunghezza condotto Ø</source>
        <extracomment>The length of the round port; Ø marks it round.</extracomment>
        <translation>Länge rundes Rohr</translation>
    </message>
    <message>
        <source>Lunghezza condotto rett.</source>
        <extracomment>The length of the rectangular port; &quot;rett.&quot; is short for &quot;rettangolare&quot;.</extracomment>
        <translation>Länge rechteckiges Rohr</translation>
    </message>
</context>
<context>
    <name>kx::DesktopDialogs</name>
    <message>
        <source>    Non vi sono dati sufficienti per eseguire il calcolo ...      </source>
        <extracomment>The message of a calculation that lacks data. The blanks around it are the original&apos;s.</extracomment>
        <translation>    Für die Berechnung fehlen Angaben ...      </translation>
    </message>
</context>
<context>
    <name>kx::FORMinfo</name>
    <message>
        <source>
Questo programma non si prefigge di risolvere i molteplici problemi per la costruzione
di una cassa acustica reflex, ma dare dei valori per poter iniziare un buon lavoro!
Ovviamente l&apos;unico dato importante da conoscere è la frequenza di risonanza dell&apos;altoparlante

Il programma è suddiviso in due parti.
La prima parte: 
introdurre le dimensioni del condotto reflex sia con forma circolare o quadrangolare, la sua lunghezza
ed il valore del volume della cassa; 
in seguito cliccare su  [calcola Kx] si ottiene la frequenza di accordo cassa e tubo reflex.
La seconda parte: 
[Ottimizza dimensioni del box] immettendo il valore del volume della cassa si calcolano le dimensioni ideali (proporzione aurea).                                                            
Il valore ottenuto non è restrittivo, ma solo indicativo per la realizazione della cassa, ma è,comunque, un buon inizio !...

</source>
        <extracomment>The information window&apos;s text, drawn line for line as it stands here, each line as wide as the window allows: lay the lines out anew to fit it. Square brackets name a button of the window. Line 12 ends in 60 blanks that draw nothing.</extracomment>
        <translation>
Dieses Programm will nicht die vielen Probleme beim Bau einer Bassreflexbox lösen,
sondern Werte liefern, mit denen sich eine gute Arbeit beginnen lässt!
Die einzige wichtige Angabe, die man kennen muss, ist natürlich die Resonanzfrequenz des Lautsprechers.

Das Programm besteht aus zwei Teilen.
Der erste Teil:
die Maße des Bassreflexrohrs eingeben, rund oder rechteckig, und seine Länge
sowie das Volumen des Gehäuses;
dann auf [Kx berechnen] klicken: Man erhält die Abstimmfrequenz von Gehäuse und Rohr.
Der zweite Teil:
[Gehäusemaße optimieren]: Aus dem eingegebenen Gehäusevolumen werden die idealen Maße
berechnet (Goldener Schnitt).
Das Ergebnis ist nicht verbindlich, nur ein Anhaltspunkt für den Bau, aber ein guter Anfang!...
</translation>
    </message>
</context>
<context>
    <name>kx::FORMprinc</name>
    <message numerus="yes">
        <source>%n condotti</source>
        <extracomment>Spoken when the number of ports is changed: 1 to 4.</extracomment>
        <translation>
            <numerusform>%n Rohr</numerusform>
            <numerusform>%n Rohre</numerusform>
        </translation>
    </message>
    <message>
        <source>Altezza %1, larghezza %2, profondità %3 centimetri</source>
        <extracomment>Spoken: the box&apos;s height, width and depth just proposed, in centimetres.</extracomment>
        <translation>Höhe %1, Breite %2, Tiefe %3 Zentimeter</translation>
    </message>
    <message>
        <source>Kx %1 hertz</source>
        <extracomment>Spoken: the tuning frequency just calculated, as the window shows it.</extracomment>
        <translation>Kx %1 Hertz</translation>
    </message>
    <message>
        <source>Figura, %1</source>
        <extracomment>The guidance picture, for a screen reader: %1 says what it shows.</extracomment>
        <translation>Bild, %1</translation>
    </message>
</context>
<context>
    <name>kx::FieldGuidance</name>
    <message>
        <source>altezza del condotto rettangolare, in centimetri</source>
        <translation>Höhe des rechteckigen Rohrs, in Zentimetern</translation>
    </message>
    <message>
        <source>diametro del condotto circolare, in centimetri</source>
        <translation>Durchmesser des runden Rohrs, in Zentimetern</translation>
    </message>
    <message>
        <source>volume netto della cassa, in decimetri cubi</source>
        <translation>Nettovolumen des Gehäuses, in Kubikdezimetern</translation>
    </message>
    <message>
        <source>larghezza del condotto rettangolare, in centimetri</source>
        <translation>Breite des rechteckigen Rohrs, in Zentimetern</translation>
    </message>
    <message>
        <source>lunghezza del condotto circolare, in centimetri</source>
        <translation>Länge des runden Rohrs, in Zentimetern</translation>
    </message>
    <message>
        <source>lunghezza del condotto rettangolare, in centimetri</source>
        <translation>Länge des rechteckigen Rohrs, in Zentimetern</translation>
    </message>
</context>
</TS>
