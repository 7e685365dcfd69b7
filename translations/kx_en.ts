<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="it">
<context>
    <name>FORMprinc</name>
    <message>
        <source>Dimensioni</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>Volume box in decimetri cubi</source>
        <translation>Box volume in cubic decimeters</translation>
    </message>
    <message>
        <source>Volume netto della cassa, in decimetri cubi</source>
        <translation>Net volume of the box, in cubic decimeters</translation>
    </message>
    <message>
        <source>Volume box      (dm^3)</source>
        <translation>Net volume      (dm^3)</translation>
    </message>
    <message>
        <source>Dimensioni condotto</source>
        <translation>Port size</translation>
    </message>
    <message>
        <source>Passo della lunghezza del condotto</source>
        <translation>Port length step</translation>
    </message>
    <message>
        <source>Allunga o accorcia il condotto di un centimetro e ricalcola Kx. La prima volta riprende la lunghezza scritta</source>
        <translation>Makes the port one centimeter longer or shorter and calculates Kx again. The first step takes over the length typed</translation>
    </message>
    <message>
        <source>Lunghezza cond. in centimetri</source>
        <translation>Port length in centimeters</translation>
    </message>
    <message>
        <source>Lunghezza del condotto reflex, in centimetri</source>
        <translation>Length of the reflex port, in centimeters</translation>
    </message>
    <message>
        <source>Larg. in centimetri</source>
        <translation>Width in centimeters</translation>
    </message>
    <message>
        <source>Larghezza del condotto rettangolare, in centimetri. Entrandovi si svuota il diametro</source>
        <translation>Width of the rectangular port, in centimeters. Entering it clears the diameter</translation>
    </message>
    <message>
        <source>Alt. in centimetri</source>
        <translation>Height in centimeters</translation>
    </message>
    <message>
        <source>Altezza del condotto rettangolare, in centimetri. Entrandovi si svuota il diametro</source>
        <translation>Height of the rectangular port, in centimeters. Entering it clears the diameter</translation>
    </message>
    <message>
        <source>Diam. in centimetri</source>
        <translation>Diameter in centimeters</translation>
    </message>
    <message>
        <source>Diametro del condotto circolare, in centimetri. Entrandovi si svuotano altezza e larghezza</source>
        <translation>Diameter of the round port, in centimeters. Entering it clears the height and the width</translation>
    </message>
    <message>
        <source>Lunghezza cond.  (cm)</source>
        <translation>Port length     (cm)</translation>
    </message>
    <message>
        <source>Larg.  (cm)</source>
        <translation>Width  (cm)</translation>
    </message>
    <message>
        <source>Alt.    (cm)</source>
        <translation>Height (cm)</translation>
    </message>
    <message>
        <source>Diam.             (cm)</source>
        <translation>Diameter       (cm)</translation>
    </message>
    <message>
        <source>Numero condotti</source>
        <translation>Number of ports</translation>
    </message>
    <message>
        <source>Numero di condotti uguali, da 1 a 4</source>
        <translation>Number of identical ports, 1 to 4</translation>
    </message>
    <message>
        <source>Numero  condotti</source>
        <translation>Number of ports</translation>
    </message>
    <message>
        <source>&amp;Uscire</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Uscire</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Chiude il programma</source>
        <translation>Closes the program</translation>
    </message>
    <message>
        <source>Informazioni</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Apre la finestra che spiega le due funzioni del programma</source>
        <translation>Opens the window that explains the program&apos;s two functions</translation>
    </message>
    <message>
        <source>Ottimizza dimensioni del box</source>
        <translation>Optimize the box dimensions</translation>
    </message>
    <message>
        <source>&amp;Ottimizza dimensioni</source>
        <translation>&amp;Optimize dimensions</translation>
    </message>
    <message>
        <source>Ottimizza dimensioni</source>
        <translation>Optimize dimensions</translation>
    </message>
    <message>
        <source>Propone altezza, larghezza e profondità della cassa in proporzione aurea</source>
        <translation>Proposes the box&apos;s height, width and depth in the golden ratio</translation>
    </message>
    <message>
        <source>Altezza proposta della cassa, in centimetri</source>
        <translation>Proposed height of the box, in centimeters</translation>
    </message>
    <message>
        <source>Larghezza proposta della cassa, in centimetri</source>
        <translation>Proposed width of the box, in centimeters</translation>
    </message>
    <message>
        <source>Profondità proposta della cassa, in centimetri</source>
        <translation>Proposed depth of the box, in centimeters</translation>
    </message>
    <message>
        <source>Prof.  (cm)</source>
        <translation>Depth  (cm)</translation>
    </message>
    <message>
        <source>Prof. in centimetri</source>
        <translation>Depth in centimeters</translation>
    </message>
    <message>
        <source>Calcolo Kx</source>
        <translation>Kx calculation</translation>
    </message>
    <message>
        <source>&amp;Calcola Kx </source>
        <translation>&amp;Calculate Kx </translation>
    </message>
    <message>
        <source>Calcola Kx</source>
        <translation>Calculate Kx</translation>
    </message>
    <message>
        <source>Calcola la frequenza di accordo della cassa con i suoi condotti</source>
        <translation>Calculates the tuning frequency of the box with its ports</translation>
    </message>
    <message>
        <source>Volume occupato da un condotto, in decimetri cubi</source>
        <translation>Volume one port takes up, in cubic decimeters</translation>
    </message>
    <message>
        <source>Volume condotto   (dm^3)</source>
        <translation>Port volume        (dm^3)</translation>
    </message>
    <message>
        <source>Volume condotto in decimetri cubi</source>
        <translation>Port volume in cubic decimeters</translation>
    </message>
    <message>
        <source>Frequenza di accordo di cassa e condotti, in hertz</source>
        <translation>Tuning frequency of box and ports, in hertz</translation>
    </message>
    <message>
        <source>Kx in hertz</source>
        <translation>Kx in hertz</translation>
    </message>
    <message>
        <source>Sezione di un condotto, in centimetri quadrati</source>
        <translation>Cross-section of one port, in square centimeters</translation>
    </message>
    <message>
        <source>Sezione condotto (cm^2)</source>
        <translation>Port area           (cm^2)</translation>
    </message>
    <message>
        <source>Sezione condotto in centimetri quadrati</source>
        <translation>Port area in square centimeters</translation>
    </message>
    <message>
        <source>Diametro condotto    (cm)</source>
        <translation>Port diameter      (cm)</translation>
    </message>
    <message>
        <source>Diametro condotto in centimetri</source>
        <translation>Port diameter in centimeters</translation>
    </message>
    <message>
        <source>Diametro del condotto circolare di pari sezione, in centimetri</source>
        <translation>Diameter of a round port of the same area, in centimeters</translation>
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
        <translation>W</translation>
    </message>
    <message>
        <source>Volume box</source>
        <extracomment>The title of a picture that explains a field: the net volume of the box.</extracomment>
        <translation>Net volume</translation>
    </message>
    <message>
        <source>Diametro condotto</source>
        <translation>Port diameter</translation>
    </message>
    <message>
        <source>Altezza condotto</source>
        <extracomment>The height of the rectangular (slot) port.</extracomment>
        <translation>Port height</translation>
    </message>
    <message>
        <source>Larghezza condotto</source>
        <extracomment>The width of the rectangular (slot) port.</extracomment>
        <translation>Port width</translation>
    </message>
    <message>
        <source>Lunghezza condotto Ø</source>
        <extracomment>The length of the round port; Ø marks it round.</extracomment>
        <translation>Round port length</translation>
    </message>
    <message>
        <source>Lunghezza condotto rett.</source>
        <extracomment>The length of the rectangular port; &quot;rett.&quot; is short for &quot;rettangolare&quot;.</extracomment>
        <translation>Slot port length</translation>
    </message>
</context>
<context>
    <name>kx::DesktopDialogs</name>
    <message>
        <source>    Non vi sono dati sufficienti per eseguire il calcolo ...      </source>
        <extracomment>The message of a calculation that lacks data. The blanks around it are the original&apos;s.</extracomment>
        <translation>    There is not enough data for the calculation ...      </translation>
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
This program does not set out to solve the many problems of building a vented
loudspeaker box, but to give you values to make a good start on the work!
Of course, the one important figure you need to know is the resonance frequency of the driver.

The program is divided into two parts.
The first part:
enter the size of the reflex port, round or rectangular, its length
and the volume of the box;
then click [Calculate Kx] to get the tuning frequency of the box and its reflex port.
The second part:
[Optimize the box dimensions]: enter the volume of the box to get its ideal dimensions (golden ratio).
The result is no rule, only a guide for building the box, but it is a good start!...

</translation>
    </message>
</context>
<context>
    <name>kx::FORMprinc</name>
    <message numerus="yes">
        <source>%n condotti</source>
        <extracomment>Spoken when the number of ports is changed: 1 to 4.</extracomment>
        <translation>
            <numerusform>%n port</numerusform>
            <numerusform>%n ports</numerusform>
        </translation>
    </message>
    <message>
        <source>Altezza %1, larghezza %2, profondità %3 centimetri</source>
        <extracomment>Spoken: the box&apos;s height, width and depth just proposed, in centimetres.</extracomment>
        <translation>Height %1, width %2, depth %3 centimeters</translation>
    </message>
    <message>
        <source>Kx %1 hertz</source>
        <extracomment>Spoken: the tuning frequency just calculated, as the window shows it.</extracomment>
        <translation>Kx %1 hertz</translation>
    </message>
    <message>
        <source>Figura, %1</source>
        <extracomment>The guidance picture, for a screen reader: %1 says what it shows.</extracomment>
        <translation>Picture, %1</translation>
    </message>
</context>
<context>
    <name>kx::FieldGuidance</name>
    <message>
        <source>altezza del condotto rettangolare, in centimetri</source>
        <translation>height of the rectangular port, in centimeters</translation>
    </message>
    <message>
        <source>diametro del condotto circolare, in centimetri</source>
        <translation>diameter of the round port, in centimeters</translation>
    </message>
    <message>
        <source>volume netto della cassa, in decimetri cubi</source>
        <translation>net volume of the box, in cubic decimeters</translation>
    </message>
    <message>
        <source>larghezza del condotto rettangolare, in centimetri</source>
        <translation>width of the rectangular port, in centimeters</translation>
    </message>
    <message>
        <source>lunghezza del condotto circolare, in centimetri</source>
        <translation>length of the round port, in centimeters</translation>
    </message>
    <message>
        <source>lunghezza del condotto rettangolare, in centimetri</source>
        <translation>length of the rectangular port, in centimeters</translation>
    </message>
</context>
</TS>
