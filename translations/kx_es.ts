<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="it">
<context>
    <name>FORMprinc</name>
    <message>
        <source>Dimensioni</source>
        <translation>Caja</translation>
    </message>
    <message>
        <source>Volume box in decimetri cubi</source>
        <translation>Volumen de la caja en decímetros cúbicos</translation>
    </message>
    <message>
        <source>Volume netto della cassa, in decimetri cubi</source>
        <translation>Volumen neto de la caja, en decímetros cúbicos</translation>
    </message>
    <message>
        <source>Volume box      (dm^3)</source>
        <translation>Volumen neto  (dm^3)</translation>
    </message>
    <message>
        <source>Dimensioni condotto</source>
        <translation>Dimensiones del puerto</translation>
    </message>
    <message>
        <source>Passo della lunghezza del condotto</source>
        <translation>Paso de la longitud del puerto</translation>
    </message>
    <message>
        <source>Allunga o accorcia il condotto di un centimetro e ricalcola Kx. La prima volta riprende la lunghezza scritta</source>
        <translation>Alarga o acorta el puerto un centímetro y vuelve a calcular Kx. El primer paso toma la longitud escrita</translation>
    </message>
    <message>
        <source>Lunghezza cond. in centimetri</source>
        <translation>Longitud del puerto en centímetros</translation>
    </message>
    <message>
        <source>Lunghezza del condotto reflex, in centimetri</source>
        <translation>Longitud del puerto (tubo) reflex, en centímetros</translation>
    </message>
    <message>
        <source>Larg. in centimetri</source>
        <translation>Ancho en centímetros</translation>
    </message>
    <message>
        <source>Larghezza del condotto rettangolare, in centimetri. Entrandovi si svuota il diametro</source>
        <translation>Ancho del puerto rectangular, en centímetros. Al entrar se borra el diámetro</translation>
    </message>
    <message>
        <source>Alt. in centimetri</source>
        <translation>Alto en centímetros</translation>
    </message>
    <message>
        <source>Altezza del condotto rettangolare, in centimetri. Entrandovi si svuota il diametro</source>
        <translation>Alto del puerto rectangular, en centímetros. Al entrar se borra el diámetro</translation>
    </message>
    <message>
        <source>Diam. in centimetri</source>
        <translation>Diámetro en centímetros</translation>
    </message>
    <message>
        <source>Diametro del condotto circolare, in centimetri. Entrandovi si svuotano altezza e larghezza</source>
        <translation>Diámetro del puerto circular, en centímetros. Al entrar se borran el alto y el ancho</translation>
    </message>
    <message>
        <source>Lunghezza cond.  (cm)</source>
        <translation>Longitud puerto (cm)</translation>
    </message>
    <message>
        <source>Larg.  (cm)</source>
        <translation>Ancho  (cm)</translation>
    </message>
    <message>
        <source>Alt.    (cm)</source>
        <translation>Alto    (cm)</translation>
    </message>
    <message>
        <source>Diam.             (cm)</source>
        <translation>Diámetro       (cm)</translation>
    </message>
    <message>
        <source>Numero condotti</source>
        <translation>Número de puertos</translation>
    </message>
    <message>
        <source>Numero di condotti uguali, da 1 a 4</source>
        <translation>Número de puertos iguales, de 1 a 4</translation>
    </message>
    <message>
        <source>Numero  condotti</source>
        <translation>Número de puertos</translation>
    </message>
    <message>
        <source>&amp;Uscire</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Uscire</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Chiude il programma</source>
        <translation>Cierra el programa</translation>
    </message>
    <message>
        <source>Informazioni</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Apre la finestra che spiega le due funzioni del programma</source>
        <translation>Abre la ventana que explica las dos funciones del programa</translation>
    </message>
    <message>
        <source>Ottimizza dimensioni del box</source>
        <translation>Optimizar las medidas de la caja</translation>
    </message>
    <message>
        <source>&amp;Ottimizza dimensioni</source>
        <translation>&amp;Optimizar medidas</translation>
    </message>
    <message>
        <source>Ottimizza dimensioni</source>
        <translation>Optimizar medidas</translation>
    </message>
    <message>
        <source>Propone altezza, larghezza e profondità della cassa in proporzione aurea</source>
        <translation>Propone el alto, el ancho y la profundidad de la caja en proporción áurea</translation>
    </message>
    <message>
        <source>Altezza proposta della cassa, in centimetri</source>
        <translation>Alto propuesto de la caja, en centímetros</translation>
    </message>
    <message>
        <source>Larghezza proposta della cassa, in centimetri</source>
        <translation>Ancho propuesto de la caja, en centímetros</translation>
    </message>
    <message>
        <source>Profondità proposta della cassa, in centimetri</source>
        <translation>Profundidad propuesta de la caja, en centímetros</translation>
    </message>
    <message>
        <source>Prof.  (cm)</source>
        <translation>Fondo (cm)</translation>
    </message>
    <message>
        <source>Prof. in centimetri</source>
        <translation>Profundidad en centímetros</translation>
    </message>
    <message>
        <source>Calcolo Kx</source>
        <translation>Cálculo de Kx</translation>
    </message>
    <message>
        <source>&amp;Calcola Kx </source>
        <translation>&amp;Calcular Kx </translation>
    </message>
    <message>
        <source>Calcola Kx</source>
        <translation>Calcular Kx</translation>
    </message>
    <message>
        <source>Calcola la frequenza di accordo della cassa con i suoi condotti</source>
        <translation>Calcula la frecuencia de sintonía de la caja con sus puertos</translation>
    </message>
    <message>
        <source>Volume occupato da un condotto, in decimetri cubi</source>
        <translation>Volumen que ocupa un puerto, en decímetros cúbicos</translation>
    </message>
    <message>
        <source>Volume condotto   (dm^3)</source>
        <translation>Volumen puerto   (dm^3)</translation>
    </message>
    <message>
        <source>Volume condotto in decimetri cubi</source>
        <translation>Volumen del puerto en decímetros cúbicos</translation>
    </message>
    <message>
        <source>Frequenza di accordo di cassa e condotti, in hertz</source>
        <translation>Frecuencia de sintonía de la caja y los puertos, en hercios</translation>
    </message>
    <message>
        <source>Kx in hertz</source>
        <translation>Kx en hercios</translation>
    </message>
    <message>
        <source>Sezione di un condotto, in centimetri quadrati</source>
        <translation>Sección de un puerto, en centímetros cuadrados</translation>
    </message>
    <message>
        <source>Sezione condotto (cm^2)</source>
        <translation>Sección puerto   (cm^2)</translation>
    </message>
    <message>
        <source>Sezione condotto in centimetri quadrati</source>
        <translation>Sección del puerto en centímetros cuadrados</translation>
    </message>
    <message>
        <source>Diametro condotto    (cm)</source>
        <translation>Diámetro puerto  (cm)</translation>
    </message>
    <message>
        <source>Diametro condotto in centimetri</source>
        <translation>Diámetro del puerto en centímetros</translation>
    </message>
    <message>
        <source>Diametro del condotto circolare di pari sezione, in centimetri</source>
        <translation>Diámetro de un puerto circular de igual sección, en centímetros</translation>
    </message>
</context>
<context>
    <name>GuidancePicture</name>
    <message>
        <source>Alt.</source>
        <extracomment>The height marked on a picture of the slot port: a short word, as &quot;Alt.&quot; for &quot;Altezza&quot;.</extracomment>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Larg.</source>
        <extracomment>The width marked on a picture of the slot port: a short word, as &quot;Larg.&quot; for &quot;Larghezza&quot;.</extracomment>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Volume box</source>
        <extracomment>The title of a picture that explains a field: the net volume of the box.</extracomment>
        <translation>Volumen neto</translation>
    </message>
    <message>
        <source>Diametro condotto</source>
        <translation>Diámetro del puerto</translation>
    </message>
    <message>
        <source>Altezza condotto</source>
        <extracomment>The height of the rectangular (slot) port.</extracomment>
        <translation>Alto del puerto</translation>
    </message>
    <message>
        <source>Larghezza condotto</source>
        <extracomment>The width of the rectangular (slot) port.</extracomment>
        <translation>Ancho del puerto</translation>
    </message>
    <message>
        <source>Lunghezza condotto Ø</source>
        <extracomment>The length of the round port; Ø marks it round.</extracomment>
        <translation>Longitud del puerto Ø</translation>
    </message>
    <message>
        <source>Lunghezza condotto rett.</source>
        <extracomment>The length of the rectangular port; &quot;rett.&quot; is short for &quot;rettangolare&quot;.</extracomment>
        <translation>Longitud del puerto rect.</translation>
    </message>
</context>
<context>
    <name>kx::DesktopDialogs</name>
    <message>
        <source>    Non vi sono dati sufficienti per eseguire il calcolo ...      </source>
        <extracomment>The message of a calculation that lacks data. The blanks around it are the original&apos;s.</extracomment>
        <translation>    No hay datos suficientes para realizar el cálculo ...      </translation>
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
Este programa no pretende resolver los muchos problemas de la construcción
de una caja acústica bass-reflex, ¡sino dar valores para empezar bien el trabajo!
Por supuesto, el único dato importante que hay que conocer es la frecuencia de resonancia del altavoz.

El programa se divide en dos partes.
La primera parte:
introducir las medidas del puerto (tubo) reflex, circular o rectangular, su longitud
y el volumen de la caja;
luego, al pulsar [Calcular Kx] se obtiene la frecuencia de sintonía de la caja y el puerto.
La segunda parte:
[Optimizar las medidas de la caja]: a partir del volumen de la caja se calculan
las medidas ideales (proporción áurea).
El valor obtenido no es obligatorio, solo orientativo para construir la caja,
¡pero es un buen comienzo!...
</translation>
    </message>
</context>
<context>
    <name>kx::FORMprinc</name>
    <message numerus="yes">
        <source>%n condotti</source>
        <extracomment>Spoken when the number of ports is changed: 1 to 4.</extracomment>
        <translation>
            <numerusform>%n puerto</numerusform>
            <numerusform>%n puertos</numerusform>
        </translation>
    </message>
    <message>
        <source>Altezza %1, larghezza %2, profondità %3 centimetri</source>
        <extracomment>Spoken: the box&apos;s height, width and depth just proposed, in centimetres.</extracomment>
        <translation>Alto %1, ancho %2, profundidad %3 centímetros</translation>
    </message>
    <message>
        <source>Kx %1 hertz</source>
        <extracomment>Spoken: the tuning frequency just calculated, as the window shows it.</extracomment>
        <translation>Kx %1 hercios</translation>
    </message>
    <message>
        <source>Figura, %1</source>
        <extracomment>The guidance picture, for a screen reader: %1 says what it shows.</extracomment>
        <translation>Figura, %1</translation>
    </message>
</context>
<context>
    <name>kx::FieldGuidance</name>
    <message>
        <source>altezza del condotto rettangolare, in centimetri</source>
        <translation>alto del puerto rectangular, en centímetros</translation>
    </message>
    <message>
        <source>diametro del condotto circolare, in centimetri</source>
        <translation>diámetro del puerto circular, en centímetros</translation>
    </message>
    <message>
        <source>volume netto della cassa, in decimetri cubi</source>
        <translation>volumen neto de la caja, en decímetros cúbicos</translation>
    </message>
    <message>
        <source>larghezza del condotto rettangolare, in centimetri</source>
        <translation>ancho del puerto rectangular, en centímetros</translation>
    </message>
    <message>
        <source>lunghezza del condotto circolare, in centimetri</source>
        <translation>longitud del puerto circular, en centímetros</translation>
    </message>
    <message>
        <source>lunghezza del condotto rettangolare, in centimetri</source>
        <translation>longitud del puerto rectangular, en centímetros</translation>
    </message>
</context>
</TS>
