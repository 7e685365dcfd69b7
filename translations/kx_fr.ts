<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="it">
<context>
    <name>FORMprinc</name>
    <message>
        <source>Dimensioni</source>
        <translation>Caisson</translation>
    </message>
    <message>
        <source>Volume box in decimetri cubi</source>
        <translation>Volume du caisson en décimètres cubes</translation>
    </message>
    <message>
        <source>Volume netto della cassa, in decimetri cubi</source>
        <translation>Volume net du caisson, en décimètres cubes</translation>
    </message>
    <message>
        <source>Volume box      (dm^3)</source>
        <translation>Volume net     (dm^3)</translation>
    </message>
    <message>
        <source>Dimensioni condotto</source>
        <translation>Dimensions de l&apos;évent</translation>
    </message>
    <message>
        <source>Passo della lunghezza del condotto</source>
        <translation>Pas de la longueur de l&apos;évent</translation>
    </message>
    <message>
        <source>Allunga o accorcia il condotto di un centimetro e ricalcola Kx. La prima volta riprende la lunghezza scritta</source>
        <translation>Allonge ou raccourcit l&apos;évent d&apos;un centimètre et recalcule Kx. Le premier pas reprend la longueur saisie</translation>
    </message>
    <message>
        <source>Lunghezza cond. in centimetri</source>
        <translation>Longueur de l&apos;évent en centimètres</translation>
    </message>
    <message>
        <source>Lunghezza del condotto reflex, in centimetri</source>
        <translation>Longueur de l&apos;évent, en centimètres</translation>
    </message>
    <message>
        <source>Larg. in centimetri</source>
        <translation>Largeur en centimètres</translation>
    </message>
    <message>
        <source>Larghezza del condotto rettangolare, in centimetri. Entrandovi si svuota il diametro</source>
        <translation>Largeur de l&apos;évent rectangulaire, en centimètres. Y entrer efface le diamètre</translation>
    </message>
    <message>
        <source>Alt. in centimetri</source>
        <translation>Hauteur en centimètres</translation>
    </message>
    <message>
        <source>Altezza del condotto rettangolare, in centimetri. Entrandovi si svuota il diametro</source>
        <translation>Hauteur de l&apos;évent rectangulaire, en centimètres. Y entrer efface le diamètre</translation>
    </message>
    <message>
        <source>Diam. in centimetri</source>
        <translation>Diamètre en centimètres</translation>
    </message>
    <message>
        <source>Diametro del condotto circolare, in centimetri. Entrandovi si svuotano altezza e larghezza</source>
        <translation>Diamètre de l&apos;évent rond, en centimètres. Y entrer efface la hauteur et la largeur</translation>
    </message>
    <message>
        <source>Lunghezza cond.  (cm)</source>
        <translation>Longueur évent (cm)</translation>
    </message>
    <message>
        <source>Larg.  (cm)</source>
        <translation>Larg.  (cm)</translation>
    </message>
    <message>
        <source>Alt.    (cm)</source>
        <translation>Haut.  (cm)</translation>
    </message>
    <message>
        <source>Diam.             (cm)</source>
        <translation>Diamètre       (cm)</translation>
    </message>
    <message>
        <source>Numero condotti</source>
        <translation>Nombre d&apos;évents</translation>
    </message>
    <message>
        <source>Numero di condotti uguali, da 1 a 4</source>
        <translation>Nombre d&apos;évents identiques, de 1 à 4</translation>
    </message>
    <message>
        <source>Numero  condotti</source>
        <translation>Nombre d&apos;évents</translation>
    </message>
    <message>
        <source>&amp;Uscire</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Uscire</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Chiude il programma</source>
        <translation>Ferme le programme</translation>
    </message>
    <message>
        <source>Informazioni</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Apre la finestra che spiega le due funzioni del programma</source>
        <translation>Ouvre la fenêtre qui explique les deux fonctions du programme</translation>
    </message>
    <message>
        <source>Ottimizza dimensioni del box</source>
        <translation>Optimiser les dimensions du caisson</translation>
    </message>
    <message>
        <source>&amp;Ottimizza dimensioni</source>
        <translation>&amp;Optimiser dimensions</translation>
    </message>
    <message>
        <source>Ottimizza dimensioni</source>
        <translation>Optimiser les dimensions</translation>
    </message>
    <message>
        <source>Propone altezza, larghezza e profondità della cassa in proporzione aurea</source>
        <translation>Propose la hauteur, la largeur et la profondeur du caisson selon le nombre d&apos;or</translation>
    </message>
    <message>
        <source>Altezza proposta della cassa, in centimetri</source>
        <translation>Hauteur proposée du caisson, en centimètres</translation>
    </message>
    <message>
        <source>Larghezza proposta della cassa, in centimetri</source>
        <translation>Largeur proposée du caisson, en centimètres</translation>
    </message>
    <message>
        <source>Profondità proposta della cassa, in centimetri</source>
        <translation>Profondeur proposée du caisson, en centimètres</translation>
    </message>
    <message>
        <source>Prof.  (cm)</source>
        <translation>Prof.  (cm)</translation>
    </message>
    <message>
        <source>Prof. in centimetri</source>
        <translation>Profondeur en centimètres</translation>
    </message>
    <message>
        <source>Calcolo Kx</source>
        <translation>Calcul de Kx</translation>
    </message>
    <message>
        <source>&amp;Calcola Kx </source>
        <translation>&amp;Calculer Kx </translation>
    </message>
    <message>
        <source>Calcola Kx</source>
        <translation>Calculer Kx</translation>
    </message>
    <message>
        <source>Calcola la frequenza di accordo della cassa con i suoi condotti</source>
        <translation>Calcule la fréquence d&apos;accord du caisson avec ses évents</translation>
    </message>
    <message>
        <source>Volume occupato da un condotto, in decimetri cubi</source>
        <translation>Volume occupé par un évent, en décimètres cubes</translation>
    </message>
    <message>
        <source>Volume condotto   (dm^3)</source>
        <translation>Volume évent      (dm^3)</translation>
    </message>
    <message>
        <source>Volume condotto in decimetri cubi</source>
        <translation>Volume de l&apos;évent en décimètres cubes</translation>
    </message>
    <message>
        <source>Frequenza di accordo di cassa e condotti, in hertz</source>
        <translation>Fréquence d&apos;accord du caisson et des évents, en hertz</translation>
    </message>
    <message>
        <source>Kx in hertz</source>
        <translation>Kx en hertz</translation>
    </message>
    <message>
        <source>Sezione di un condotto, in centimetri quadrati</source>
        <translation>Section d&apos;un évent, en centimètres carrés</translation>
    </message>
    <message>
        <source>Sezione condotto (cm^2)</source>
        <translation>Section évent     (cm^2)</translation>
    </message>
    <message>
        <source>Sezione condotto in centimetri quadrati</source>
        <translation>Section de l&apos;évent en centimètres carrés</translation>
    </message>
    <message>
        <source>Diametro condotto    (cm)</source>
        <translation>Diamètre évent    (cm)</translation>
    </message>
    <message>
        <source>Diametro condotto in centimetri</source>
        <translation>Diamètre de l&apos;évent en centimètres</translation>
    </message>
    <message>
        <source>Diametro del condotto circolare di pari sezione, in centimetri</source>
        <translation>Diamètre d&apos;un évent rond de même section, en centimètres</translation>
    </message>
</context>
<context>
    <name>GuidancePicture</name>
    <message>
        <source>Alt.</source>
        <extracomment>The height marked on a picture of the slot port: a short word, as &quot;Alt.&quot; for &quot;Altezza&quot;.</extracomment>
        <translation>Haut.</translation>
    </message>
    <message>
        <source>Larg.</source>
        <extracomment>The width marked on a picture of the slot port: a short word, as &quot;Larg.&quot; for &quot;Larghezza&quot;.</extracomment>
        <translation>Larg.</translation>
    </message>
    <message>
        <source>Volume box</source>
        <extracomment>The title of a picture that explains a field: the net volume of the box.</extracomment>
        <translation>Volume net</translation>
    </message>
    <message>
        <source>Diametro condotto</source>
        <translation>Diamètre de l&apos;évent</translation>
    </message>
    <message>
        <source>Altezza condotto</source>
        <extracomment>The height of the rectangular (slot) port.</extracomment>
        <translation>Hauteur de l&apos;évent</translation>
    </message>
    <message>
        <source>Larghezza condotto</source>
        <extracomment>The width of the rectangular (slot) port.</extracomment>
        <translation>Largeur de l&apos;évent</translation>
    </message>
    <message>
        <source>Lunghezza condotto Ø</source>
        <extracomment>The length of the round port; Ø marks it round.</extracomment>
        <translation>Longueur de l&apos;évent Ø</translation>
    </message>
    <message>
        <source>Lunghezza condotto rett.</source>
        <extracomment>The length of the rectangular port; &quot;rett.&quot; is short for &quot;rettangolare&quot;.</extracomment>
        <translation>Longueur de l&apos;évent rect.</translation>
    </message>
</context>
<context>
    <name>kx::DesktopDialogs</name>
    <message>
        <source>    Non vi sono dati sufficienti per eseguire il calcolo ...      </source>
        <extracomment>The message of a calculation that lacks data. The blanks around it are the original&apos;s.</extracomment>
        <translation>    Données insuffisantes pour effectuer le calcul ...      </translation>
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
Ce programme n&apos;a pas la prétention de résoudre les nombreux problèmes de la construction
d&apos;une enceinte bass-reflex, mais de donner des valeurs pour bien commencer le travail !
Bien entendu, la seule donnée importante à connaître est la fréquence de résonance du haut-parleur.

Le programme se divise en deux parties.
La première partie :
saisir les dimensions de l&apos;évent, rond ou rectangulaire, sa longueur
et le volume du caisson ;
cliquer ensuite sur [Calculer Kx] pour obtenir la fréquence d&apos;accord du caisson et de l&apos;évent.
La seconde partie :
[Optimiser les dimensions du caisson] : à partir du volume du caisson saisi, on calcule
les dimensions idéales (nombre d&apos;or).
La valeur obtenue n&apos;est pas impérative, seulement indicative pour la réalisation du caisson,
mais c&apos;est un bon début !...
</translation>
    </message>
</context>
<context>
    <name>kx::FORMprinc</name>
    <message numerus="yes">
        <source>%n condotti</source>
        <extracomment>Spoken when the number of ports is changed: 1 to 4.</extracomment>
        <translation>
            <numerusform>%n évent</numerusform>
            <numerusform>%n évents</numerusform>
        </translation>
    </message>
    <message>
        <source>Altezza %1, larghezza %2, profondità %3 centimetri</source>
        <extracomment>Spoken: the box&apos;s height, width and depth just proposed, in centimetres.</extracomment>
        <translation>Hauteur %1, largeur %2, profondeur %3 centimètres</translation>
    </message>
    <message>
        <source>Kx %1 hertz</source>
        <extracomment>Spoken: the tuning frequency just calculated, as the window shows it.</extracomment>
        <translation>Kx %1 hertz</translation>
    </message>
    <message>
        <source>Figura, %1</source>
        <extracomment>The guidance picture, for a screen reader: %1 says what it shows.</extracomment>
        <translation>Figure, %1</translation>
    </message>
</context>
<context>
    <name>kx::FieldGuidance</name>
    <message>
        <source>altezza del condotto rettangolare, in centimetri</source>
        <translation>hauteur de l&apos;évent rectangulaire, en centimètres</translation>
    </message>
    <message>
        <source>diametro del condotto circolare, in centimetri</source>
        <translation>diamètre de l&apos;évent rond, en centimètres</translation>
    </message>
    <message>
        <source>volume netto della cassa, in decimetri cubi</source>
        <translation>volume net du caisson, en décimètres cubes</translation>
    </message>
    <message>
        <source>larghezza del condotto rettangolare, in centimetri</source>
        <translation>largeur de l&apos;évent rectangulaire, en centimètres</translation>
    </message>
    <message>
        <source>lunghezza del condotto circolare, in centimetri</source>
        <translation>longueur de l&apos;évent rond, en centimètres</translation>
    </message>
    <message>
        <source>lunghezza del condotto rettangolare, in centimetri</source>
        <translation>longueur de l&apos;évent rectangulaire, en centimètres</translation>
    </message>
</context>
</TS>
