<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Catalogue</name>
    <message>
        <source>Area</source>
        <translation>Superficie</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>&amp;Superficie</translation>
    </message>
    <message>
        <source> The measure of a bounded region on a plane. </source>
        <translation> La misura di una regione delimitata di un piano. </translation>
    </message>
    <message>
        <source>Computer Memory / Disk Capacity</source>
        <translation>Memoria / Capacità del disco</translation>
    </message>
    <message>
        <source>&amp;Computer Memory / Disk Capacity</source>
        <translation>&amp;Memoria / Capacità del disco</translation>
    </message>
    <message>
        <source> Memory and storage sizes for digital devices. [Using the binary (base 2) method] </source>
        <translation> Dimensioni di memoria e di archiviazione dei dispositivi digitali. [Secondo il metodo binario (base 2)] </translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <source>&amp;Distance</source>
        <translation>&amp;Distanza</translation>
    </message>
    <message>
        <source> The length of a line between two points. </source>
        <translation> La lunghezza di una linea tra due punti. </translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energia</translation>
    </message>
    <message>
        <source>Ener&amp;gy</source>
        <translation>&amp;Energia</translation>
    </message>
    <message>
        <source> The capacity for doing work - in modern physics, matter and energy are regarded as equivalents. </source>
        <translation> La capacità di compiere un lavoro; nella fisica moderna, materia ed energia sono considerate equivalenti. </translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>&amp;Flow Rate</source>
        <translation>P&amp;ortata</translation>
    </message>
    <message>
        <source> The amount of liquid passing by a fixed point during a prescribed amount of time. </source>
        <translation> La quantità di liquido che passa per un punto fisso in un intervallo di tempo stabilito. </translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Forza</translation>
    </message>
    <message>
        <source>F&amp;orce</source>
        <translation>&amp;Forza</translation>
    </message>
    <message>
        <source> The cause, or agent, that puts an object at rest into motion or alters the motion of a moving object. </source>
        <translation> La causa che mette in movimento un corpo in quiete o ne modifica il moto. </translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Luce</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Luce</translation>
    </message>
    <message>
        <source> The rate of flow of light radiation with respect to the sense of sight. </source>
        <translation> Il flusso della radiazione luminosa valutato secondo la sensibilità dell’occhio. </translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Massa</translation>
    </message>
    <message>
        <source>&amp;Mass</source>
        <translation>M&amp;assa</translation>
    </message>
    <message>
        <source> The quantity of matter in a body as measured by its inertia: experimentally it is found that the gravitational force on an object is proportional to its mass. </source>
        <translation> La misura dell’inerzia di un corpo, cioè della materia che contiene: l’esperienza mostra che la forza di gravità su un oggetto è proporzionale alla sua massa. </translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potenza</translation>
    </message>
    <message>
        <source>Po&amp;wer</source>
        <translation>&amp;Potenza</translation>
    </message>
    <message>
        <source> The rate at which work is done. </source>
        <translation> Il lavoro compiuto nell’unità di tempo. </translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressione</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>P&amp;ressione</translation>
    </message>
    <message>
        <source> Force per unit of area. </source>
        <translation> Forza per unità di superficie. </translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>T&amp;emperature</source>
        <translation>&amp;Temperatura</translation>
    </message>
    <message>
        <source> A measure of the average kinetic energy per molecule in a body. </source>
        <translation> Una misura dell’energia cinetica media per molecola di un corpo. </translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Coppia</translation>
    </message>
    <message>
        <source>&amp;Torque</source>
        <translation>&amp;Coppia</translation>
    </message>
    <message>
        <source> Moment of Force (Torque) - A measure of the tendency of a force to rotate the body upon which it acts about an axis. </source>
        <translation> Momento di una forza (coppia): misura della tendenza di una forza a far ruotare attorno a un asse il corpo su cui agisce. </translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Velocit&amp;y</source>
        <translation>&amp;Velocità</translation>
    </message>
    <message>
        <source> Velocity (Speed) - The time-rate of change of distance: It is expressed as distance divided by time. </source>
        <translation> Velocità: la variazione della distanza nell’unità di tempo. Si esprime come distanza divisa per il tempo. </translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>Vol&amp;ume</translation>
    </message>
    <message>
        <source> The quantity of space an object occupies. </source>
        <translation> Lo spazio occupato da un oggetto. </translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pollici</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Piedi</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>Iarde</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Miglia</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimetri</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Centimetri</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Metri</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>Chilometri</translation>
    </message>
    <message>
        <source>Sq Inches</source>
        <translation>Pollici quadrati</translation>
    </message>
    <message>
        <source>Sq Feet</source>
        <translation>Piedi quadrati</translation>
    </message>
    <message>
        <source>Sq Yards</source>
        <translation>Iarde quadrate</translation>
    </message>
    <message>
        <source>Sq Miles</source>
        <translation>Miglia quadrate</translation>
    </message>
    <message>
        <source>Sq Millimeters</source>
        <translation>Millimetri quadrati</translation>
    </message>
    <message>
        <source>Sq Centimeters</source>
        <translation>Centimetri quadrati</translation>
    </message>
    <message>
        <source>Sq Meters</source>
        <translation>Metri quadrati</translation>
    </message>
    <message>
        <source>Sq Kilometers</source>
        <translation>Chilometri quadrati</translation>
    </message>
    <message>
        <source>Gallons/Second</source>
        <translation>Galloni/secondo</translation>
    </message>
    <message>
        <source>Gallons/Minute</source>
        <translation>Galloni/minuto</translation>
    </message>
    <message>
        <source>Liters/Second</source>
        <translation>Litri/secondo</translation>
    </message>
    <message>
        <source>Liters/Minute</source>
        <translation>Litri/minuto</translation>
    </message>
    <message>
        <source>Horsepower</source>
        <translation>Cavalli vapore britannici (hp)</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>Kilowatts</source>
        <translation>Chilowatt</translation>
    </message>
    <message>
        <source>Megawatts</source>
        <translation>Megawatt</translation>
    </message>
    <message>
        <source>Ounces(avdp)</source>
        <translation>Once (avdp)</translation>
    </message>
    <message>
        <source>Pounds(avdp)</source>
        <translation>Libbre (avdp)</translation>
    </message>
    <message>
        <source>Tons(avdp-2000#)</source>
        <translation>Tonnellate corte (2000 lb)</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>Grammi</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Chilogrammi</translation>
    </message>
    <message>
        <source>Megagrams</source>
        <translation>Megagrammi</translation>
    </message>
    <message>
        <source>Millibar</source>
        <translation>Millibar</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>PSI</source>
        <translation>psi</translation>
    </message>
    <message>
        <source>Pascal</source>
        <translation>Pascal</translation>
    </message>
    <message>
        <source>Kilopascal</source>
        <translation>Chilopascal</translation>
    </message>
    <message>
        <source>Feet/second</source>
        <translation>Piedi/secondo</translation>
    </message>
    <message>
        <source>Feet/minute</source>
        <translation>Piedi/minuto</translation>
    </message>
    <message>
        <source>Miles/hour</source>
        <translation>Miglia/ora</translation>
    </message>
    <message>
        <source>Meters/second</source>
        <translation>Metri/secondo</translation>
    </message>
    <message>
        <source>Meters/minute</source>
        <translation>Metri/minuto</translation>
    </message>
    <message>
        <source>Kilometers/hour</source>
        <translation>Chilometri/ora</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>Gradi Celsius</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>Gradi Fahrenheit</translation>
    </message>
    <message>
        <source>Cubic inches</source>
        <translation>Pollici cubi</translation>
    </message>
    <message>
        <source>Cubic feet</source>
        <translation>Piedi cubi</translation>
    </message>
    <message>
        <source>Cubic yards</source>
        <translation>Iarde cubiche</translation>
    </message>
    <message>
        <source>Cubic centimeters</source>
        <translation>Centimetri cubi</translation>
    </message>
    <message>
        <source>Cubic meters</source>
        <translation>Metri cubi</translation>
    </message>
    <message>
        <source>Pints</source>
        <translation>Pinte (USA)</translation>
    </message>
    <message>
        <source>Quarts</source>
        <translation>Quarti (USA)</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>Galloni (USA)</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>Litri</translation>
    </message>
    <message>
        <source>Ounce-force/inch</source>
        <translation>Once-forza-pollice (ozf·in)</translation>
    </message>
    <message>
        <source>Ounce-force/foot</source>
        <translation>Once-forza-piede (ozf·ft)</translation>
    </message>
    <message>
        <source>Pound-force/inch(Inch pounds)</source>
        <translation>Libbre-forza-pollice (lbf·in)</translation>
    </message>
    <message>
        <source>Pound-force/foot(Foot pounds)</source>
        <translation>Libbre-forza-piede (lbf·ft)</translation>
    </message>
    <message>
        <source>Newton meters</source>
        <translation>Newton-metri</translation>
    </message>
    <message>
        <source>BTU</source>
        <translation>BTU</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Calorie</translation>
    </message>
    <message>
        <source>Pound-force inches</source>
        <translation>Libbre-forza-pollice</translation>
    </message>
    <message>
        <source>Pound-force feet</source>
        <translation>Libbre-forza-piede</translation>
    </message>
    <message>
        <source>Horsepower-hours</source>
        <translation>Cavalli-ora britannici (hp·h)</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>Joule</translation>
    </message>
    <message>
        <source>Kilowatt-hours</source>
        <translation>Chilowattora</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>Dine</translation>
    </message>
    <message>
        <source>Gram-force</source>
        <translation>Grammi-forza</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>Chilogrammi-forza</translation>
    </message>
    <message>
        <source>Millinewtons</source>
        <translation>Millinewton</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>Newton</translation>
    </message>
    <message>
        <source>Kilonewtons</source>
        <translation>Chilonewton</translation>
    </message>
    <message>
        <source>Ounce-force</source>
        <translation>Once-forza</translation>
    </message>
    <message>
        <source>Pound-force</source>
        <translation>Libbre-forza</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Fiamme</translation>
    </message>
    <message>
        <source>Foot-candles</source>
        <translation>Piedi-candela</translation>
    </message>
    <message>
        <source>Lux</source>
        <translation>Lux</translation>
    </message>
    <message>
        <source>Meter-candles</source>
        <translation>Metri-candela</translation>
    </message>
    <message>
        <source>Bytes (B)</source>
        <translation>Byte (B)</translation>
    </message>
    <message>
        <source>Kilobytes (KB)</source>
        <translation>Kilobyte (KB)</translation>
    </message>
    <message>
        <source>Megabytes (MB)</source>
        <translation>Megabyte (MB)</translation>
    </message>
    <message>
        <source>Gigabytes (GB)</source>
        <translation>Gigabyte (GB)</translation>
    </message>
    <message>
        <source>Terabytes (TB)</source>
        <translation>Terabyte (TB)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Convert from one unit to another.
With a conversion such as &quot;24 in to ft&quot;, the window opens on it.</source>
        <translation>Converte da un’unità a un’altra.
Con una conversione come «24 pollici in piedi», la finestra si apre mostrandola.</translation>
    </message>
    <message>
        <source>conversion</source>
        <translation>conversione</translation>
    </message>
    <message>
        <source>A value, a unit and the unit to convert into.</source>
        <translation>Un valore, un’unità e l’unità in cui convertire.</translation>
    </message>
    <message>
        <source>[conversion...]</source>
        <translation>[conversione...]</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Convert:</source>
        <translation>Da:</translation>
    </message>
    <message>
        <source>Into:</source>
        <translation>A:</translation>
    </message>
    <message>
        <source>Click here to reverse conversion</source>
        <translation>Fai clic qui per invertire la conversione</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Dato:</translation>
    </message>
    <message>
        <source>Input your data here</source>
        <translation>Inserisci qui il valore</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Pari a:</translation>
    </message>
    <message>
        <source>Your conversion appears here</source>
        <translation>Qui compare il risultato</translation>
    </message>
    <message>
        <source>Select number of decimal points</source>
        <translation>Scegli il numero di decimali</translation>
    </message>
    <message>
        <source>Decimal points</source>
        <translation>Decimali</translation>
    </message>
    <message>
        <source>&amp;Swap Units</source>
        <translation>&amp;Scambia</translation>
    </message>
    <message>
        <source>Invert selected units</source>
        <translation>Scambia le unità scelte</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <translation>Copia il risultato negli appunti</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Fuori intervallo</translation>
    </message>
    <message>
        <source>Convert from one unit to another</source>
        <translation>Converte da un’unità a un’altra</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Save to Clipboard</source>
        <translation>&amp;Copia negli appunti</translation>
    </message>
    <message>
        <source>Swap Selected &amp;Units</source>
        <translation>Scambia le &amp;unità</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>The S&amp;I System</source>
        <translation>Il sistema S&amp;I</translation>
    </message>
    <message>
        <source>SI &amp;Base Units</source>
        <translation>Unità di &amp;base del SI</translation>
    </message>
    <message>
        <source>SI Prefi&amp;xes</source>
        <translation>&amp;Prefissi del SI</translation>
    </message>
    <message>
        <source>Released to
%1</source>
        <translation>Rilasciato per
%1</translation>
    </message>
    <message>
        <source>Units to convert from</source>
        <translation>Unità di partenza</translation>
    </message>
    <message>
        <source>Units to convert into</source>
        <translation>Unità di arrivo</translation>
    </message>
    <message>
        <source>Left list, %1</source>
        <translation>Elenco a sinistra, %1</translation>
    </message>
    <message>
        <source>Right list, %1</source>
        <translation>Elenco a destra, %1</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Unit of the input</source>
        <translation>Unità del valore</translation>
    </message>
    <message>
        <source>Unit of the output</source>
        <translation>Unità del risultato</translation>
    </message>
    <message>
        <source>Reverse conversion</source>
        <translation>Inverti la conversione</translation>
    </message>
    <message>
        <source>Click here to reverse conversion. Now the left list converts into the right list.</source>
        <translation>Fai clic qui per invertire la conversione. Ora l’elenco a sinistra viene convertito in quello a destra.</translation>
    </message>
    <message>
        <source>Click here to reverse conversion. Now the right list converts into the left list.</source>
        <translation>Fai clic qui per invertire la conversione. Ora l’elenco a destra viene convertito in quello a sinistra.</translation>
    </message>
    <message>
        <source>Resting place</source>
        <translation>Punto di riposo</translation>
    </message>
    <message>
        <source>Holds the focus after a click on the window; typing here does nothing. Press Tab to go on.</source>
        <translation>Mantiene il focus dopo un clic sulla finestra; scrivere qui non ha alcun effetto. Premi Tab per continuare.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra la guida alle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra la guida, incluse le opzioni specifiche di Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra le informazioni sulla versione.</translation>
    </message>
</context>
<context>
    <name>ReferenceWindows</name>
    <message>
        <source>The International System (Metric) (SI)</source>
        <translation>Il Sistema Internazionale (metrico) (SI)</translation>
    </message>
    <message>
        <source>Source: Department of Commerce, National Bureau of Standards.</source>
        <translation>Fonte: Dipartimento del Commercio degli Stati Uniti, National Bureau of Standards.</translation>
    </message>
    <message>
        <source>The International System of Units is a modernized version of the metric system, established by international agreement, that provides a logical and interconnected framework for all measurements in science, industry, and commerce. The system is built on a foundation of seven basic units, and all other units are derived from them. (Use of metric weights and measures was legalized in the United States in 1866, and our customary units of weights and measures are defined in terms of the meter and kilogram.)</source>
        <translation>Il Sistema Internazionale di unità di misura è una versione modernizzata del sistema metrico, stabilita per accordo internazionale, che offre un quadro logico e coerente per tutte le misure della scienza, dell’industria e del commercio. Il sistema si basa su sette unità di base, dalle quali derivano tutte le altre. (Negli Stati Uniti l’uso di pesi e misure metrici è legale dal 1866, e le unità di peso e di misura consuete del paese sono definite a partire dal metro e dal chilogrammo.)</translation>
    </message>
    <message>
        <source>LENGTH - Meter - Up until 1983, the meter was defined as 1,650,763.73 wavelengths in a vacuum of the orange-red line of the spectrum of krypton-86. Since then, it is equal to the distance traveled by light in a vacuum in 1/299,792.45 of a second.</source>
        <translation>LUNGHEZZA - Metro - Fino al 1983 il metro era definito come 1&#xa0;650&#xa0;763,73 lunghezze d’onda, nel vuoto, della riga rosso-arancione dello spettro del kripton&#xa0;86. Da allora è uguale alla distanza percorsa dalla luce nel vuoto in 1/299&#xa0;792&#xa0;458 di secondo.</translation>
    </message>
    <message>
        <source>TIME - Second - The second is defined as the duration of 9,192,631,770 cycles of the radiation associated with a specified transition of the cesium-133 atom.</source>
        <translation>TEMPO - Secondo - Il secondo è la durata di 9&#xa0;192&#xa0;631&#xa0;770 periodi della radiazione corrispondente a una determinata transizione dell’atomo di cesio&#xa0;133.</translation>
    </message>
    <message>
        <source>MASS - Kilogram - The standard for the kilogram is a cylinder of platinum-iridium alloy kept by the International Bureau of Weights and Measures at Paris. A duplicate at the National Bureau of Standards serves as the mass standard for the United States. The kilogram is the only base unit still defined by a physical object.</source>
        <translation>MASSA - Chilogrammo - Il campione del chilogrammo è un cilindro di lega di platino-iridio conservato dall’Ufficio internazionale dei pesi e delle misure a Sèvres, presso Parigi. Una copia conservata al National Bureau of Standards funge da campione di massa per gli Stati Uniti. Il chilogrammo è l’unica unità di base ancora definita da un oggetto materiale.</translation>
    </message>
    <message>
        <source>TEMPERATURE - Kelvin - The Kelvin is defined as the fraction 1/273.16 of the thermodynamic temperature of the triple point of water; that is, the point at which water forms an interface of solid, liquid, and vapor. This is defined as 0.01°C on the Centigrade or Celsius scale and 32.02°F on the Fahrenheit scale. The temperature 0°K is called &apos;absolute zero.&apos;</source>
        <translation>TEMPERATURA - Kelvin - Il kelvin è la frazione 1/273,16 della temperatura termodinamica del punto triplo dell’acqua, cioè del punto in cui l’acqua coesiste nei tre stati solido, liquido e gassoso. Questo punto vale 0,01&#xa0;°C sulla scala centigrada o Celsius e 32,02&#xa0;°F sulla scala Fahrenheit. La temperatura di 0&#xa0;K è detta «zero assoluto».</translation>
    </message>
    <message>
        <source>ELECTRIC CURRENT - Ampere - The ampere is defined as that current that, if maintained in each of two long parallel wires separated by one meter in free space, would produce a force between the two wires (due to their magnetic fields) of 2 × 10-7 newton for each meter of length. (A newton is the unit of force that when applied to one kilogram mass would experience an acceleration of one meter per second per second.)</source>
        <translation>CORRENTE ELETTRICA - Ampere - L’ampere è la corrente che, mantenuta in due conduttori lunghi e paralleli posti a un metro di distanza nel vuoto, produrrebbe tra di essi (per effetto dei loro campi magnetici) una forza di 2 × 10⁻⁷ newton per metro di lunghezza. (Il newton è la forza che imprime a una massa di un chilogrammo un’accelerazione di un metro al secondo quadrato.)</translation>
    </message>
    <message>
        <source>LUMINOUS INTESITY - Candela - The candela is defined as the luminous intensity of 1/600,000 of a square meter of a cavity at the temperature of freezing platinum (2,042°K).</source>
        <translation>INTENSITÀ LUMINOSA - Candela - La candela è l’intensità luminosa di 1/600&#xa0;000 di metro quadrato di un corpo nero alla temperatura di solidificazione del platino (2042&#xa0;K).</translation>
    </message>
    <message>
        <source>AMOUNT OF SUBSTANCE - Mole - The mole is the amount of substance of a system that contains as many elementary entities as there are atoms in 0.012 kilogram of carbon-12.</source>
        <translation>QUANTITÀ DI SOSTANZA - Mole - La mole è la quantità di sostanza di un sistema che contiene tante entità elementari quanti sono gli atomi in 0,012&#xa0;chilogrammi di carbonio&#xa0;12.</translation>
    </message>
    <message>
        <source> SI Info </source>
        <translation> Informazioni sul SI </translation>
    </message>
    <message>
        <source> SI Base Units </source>
        <translation> Unità di base del SI </translation>
    </message>
    <message>
        <source> SI Prefixes </source>
        <translation> Prefissi del SI </translation>
    </message>
    <message>
        <source>SI information</source>
        <translation>Informazioni sul SI</translation>
    </message>
</context>
<context>
    <name>SIBaseUnits</name>
    <message>
        <source>Name</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simbolo</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Grandezza</translation>
    </message>
    <message>
        <source>Meter       m        length</source>
        <translation>Metro       m        lunghezza</translation>
    </message>
    <message>
        <source>Kilogram    kg       mass</source>
        <translation>Chilogrammo kg       massa</translation>
    </message>
    <message>
        <source>Second      s        time</source>
        <translation>Secondo     s        tempo</translation>
    </message>
    <message>
        <source>Ampere      A        electric current</source>
        <translation>Ampere      A        corrente elettrica</translation>
    </message>
    <message>
        <source>Kelvin      K        temperature</source>
        <translation>Kelvin      K        temperatura</translation>
    </message>
    <message>
        <source>Mole        mol      amount of substance</source>
        <translation>Mole        mol      quantità di sostanza</translation>
    </message>
    <message>
        <source>Candela     cd       luminous intensity</source>
        <translation>Candela     cd       intensità luminosa</translation>
    </message>
</context>
<context>
    <name>SIPrefixes</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Simbolo</translation>
    </message>
    <message>
        <source>Multiplying Factor</source>
        <translation>Moltiplicatore</translation>
    </message>
    <message>
        <source>Scientific Notation</source>
        <translation>Potenza di dieci</translation>
    </message>
    <message>
        <source>yotta-    Y   1 000 000 000 000 000 000 000 000  (10E+24)</source>
        <translation>yotta-    Y   1 000 000 000 000 000 000 000 000    (10²⁴)</translation>
    </message>
    <message>
        <source>zetta-    Z   1 000 000 000 000 000 000 000      (10E+21)</source>
        <translation>zetta-    Z   1 000 000 000 000 000 000 000        (10²¹)</translation>
    </message>
    <message>
        <source>exa-      E   1 000 000 000 000 000 000          (10E+18)</source>
        <translation>exa-      E   1 000 000 000 000 000 000            (10¹⁸)</translation>
    </message>
    <message>
        <source>peta-     P   1 000 000 000 000 000              (10E+15)</source>
        <translation>peta-     P   1 000 000 000 000 000                (10¹⁵)</translation>
    </message>
    <message>
        <source>tera-     T   1 000 000 000 000                  (10E+12)</source>
        <translation>tera-     T   1 000 000 000 000                    (10¹²)</translation>
    </message>
    <message>
        <source>giga-     G   1 000 000 000                      (10E+09)</source>
        <translation>giga-     G   1 000 000 000                         (10⁹)</translation>
    </message>
    <message>
        <source>mega-     M   1 000 000                          (10E+06)</source>
        <translation>mega-     M   1 000 000                             (10⁶)</translation>
    </message>
    <message>
        <source>kilo-     K   1 000                              (10E+03)</source>
        <translation>chilo-    k   1 000                                 (10³)</translation>
    </message>
    <message>
        <source>hecto-    h   100                                (10E+02)</source>
        <translation>etto-     h   100                                   (10²)</translation>
    </message>
    <message>
        <source>deca-     da  10                                 (10E+01)</source>
        <translation>deca-     da  10                                    (10¹)</translation>
    </message>
    <message>
        <source>deci-     d   0.1                                (10E-01)</source>
        <translation>deci-     d   0,1                                  (10⁻¹)</translation>
    </message>
    <message>
        <source>centi-    c   0.01                               (10E-02)</source>
        <translation>centi-    c   0,01                                 (10⁻²)</translation>
    </message>
    <message>
        <source>milli-    m   0.001                              (10E-03)</source>
        <translation>milli-    m   0,001                                (10⁻³)</translation>
    </message>
    <message>
        <source>micro-    µ   0.000 001                          (10E-06)</source>
        <translation>micro-    µ   0,000 001                            (10⁻⁶)</translation>
    </message>
    <message>
        <source>nano-     n   0.000 000 001                      (10E-09)</source>
        <translation>nano-     n   0,000 000 001                        (10⁻⁹)</translation>
    </message>
    <message>
        <source>pico-     p   0.000 000 000 001                  (10E-12)</source>
        <translation>pico-     p   0,000 000 000 001                   (10⁻¹²)</translation>
    </message>
    <message>
        <source>femto-    f   0.000 000 000 000 001              (10E-15)</source>
        <translation>femto-    f   0,000 000 000 000 001               (10⁻¹⁵)</translation>
    </message>
    <message>
        <source>atto-     a   0.000 000 000 000 000 001          (10E-18)</source>
        <translation>atto-     a   0,000 000 000 000 000 001           (10⁻¹⁸)</translation>
    </message>
    <message>
        <source>zepto-    z   0.000 000 000 000 000 000 001      (10E-21)</source>
        <translation>zepto-    z   0,000 000 000 000 000 000 001       (10⁻²¹)</translation>
    </message>
    <message>
        <source>yocto-    y   0.000 000 000 000 000 000 000 001  (10E-24)</source>
        <translation>yocto-    y   0,000 000 000 000 000 000 000 001   (10⁻²⁴)</translation>
    </message>
</context>
<context>
    <name>StartConversion</name>
    <message>
        <source>the window converts no currencies; for &quot;%1&quot; use mezzurix-convert or the desktop&apos;s search</source>
        <extracomment>The program was started with a conversion of money: &quot;$20 to eur&quot;</extracomment>
        <translation>la finestra non converte valute; per «%1» usa mezzurix-convert o la ricerca del desktop</translation>
    </message>
    <message>
        <source>the window lists only its own units; mezzurix-convert and the desktop search answer &quot;%1&quot;</source>
        <extracomment>The program was started with a conversion of units the window does not list: &quot;1 cup to ml&quot;</extracomment>
        <translation>la finestra elenca solo le proprie unità; mezzurix-convert e la ricerca del desktop rispondono a «%1»</translation>
    </message>
</context>
</TS>
