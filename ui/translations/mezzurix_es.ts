<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation> La medida de una región delimitada de un plano. </translation>
    </message>
    <message>
        <source>Computer Memory / Disk Capacity</source>
        <translation>Memoria / capacidad de disco</translation>
    </message>
    <message>
        <source>&amp;Computer Memory / Disk Capacity</source>
        <translation>&amp;Memoria / capacidad de disco</translation>
    </message>
    <message>
        <source> Memory and storage sizes for digital devices. [Using the binary (base 2) method] </source>
        <translation> Tamaños de memoria y de almacenamiento de los dispositivos digitales. [Según el método binario (base 2)] </translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>&amp;Distance</source>
        <translation>&amp;Distancia</translation>
    </message>
    <message>
        <source> The length of a line between two points. </source>
        <translation> La longitud de una línea entre dos puntos. </translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energía</translation>
    </message>
    <message>
        <source>Ener&amp;gy</source>
        <translation>&amp;Energía</translation>
    </message>
    <message>
        <source> The capacity for doing work - in modern physics, matter and energy are regarded as equivalents. </source>
        <translation> La capacidad de realizar un trabajo; en la física moderna, la materia y la energía se consideran equivalentes. </translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Caudal</translation>
    </message>
    <message>
        <source>&amp;Flow Rate</source>
        <translation>&amp;Caudal</translation>
    </message>
    <message>
        <source> The amount of liquid passing by a fixed point during a prescribed amount of time. </source>
        <translation> La cantidad de líquido que pasa por un punto fijo durante un tiempo determinado. </translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Fuerza</translation>
    </message>
    <message>
        <source>F&amp;orce</source>
        <translation>&amp;Fuerza</translation>
    </message>
    <message>
        <source> The cause, or agent, that puts an object at rest into motion or alters the motion of a moving object. </source>
        <translation> La causa que pone en movimiento un objeto en reposo o altera el movimiento de un objeto que se mueve. </translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Luz</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Luz</translation>
    </message>
    <message>
        <source> The rate of flow of light radiation with respect to the sense of sight. </source>
        <translation> El flujo de la radiación luminosa según la sensibilidad del ojo humano. </translation>
    </message>
    <message>
        <source>Mass</source>
        <translation>Masa</translation>
    </message>
    <message>
        <source>&amp;Mass</source>
        <translation>M&amp;asa</translation>
    </message>
    <message>
        <source> The quantity of matter in a body as measured by its inertia: experimentally it is found that the gravitational force on an object is proportional to its mass. </source>
        <translation> La materia que contiene un cuerpo, medida por su inercia: la experiencia muestra que la fuerza de la gravedad sobre un objeto es proporcional a su masa. </translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Po&amp;wer</source>
        <translation>&amp;Potencia</translation>
    </message>
    <message>
        <source> The rate at which work is done. </source>
        <translation> El trabajo realizado por unidad de tiempo. </translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>P&amp;resión</translation>
    </message>
    <message>
        <source> Force per unit of area. </source>
        <translation> Fuerza por unidad de superficie. </translation>
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
        <translation> Una medida de la energía cinética media por molécula de un cuerpo. </translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Par de torsión</translation>
    </message>
    <message>
        <source>&amp;Torque</source>
        <translation>Par de t&amp;orsión</translation>
    </message>
    <message>
        <source> Moment of Force (Torque) - A measure of the tendency of a force to rotate the body upon which it acts about an axis. </source>
        <translation> Momento de fuerza (par de torsión): medida de la tendencia de una fuerza a hacer girar alrededor de un eje el cuerpo sobre el que actúa. </translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Velocit&amp;y</source>
        <translation>&amp;Velocidad</translation>
    </message>
    <message>
        <source> Velocity (Speed) - The time-rate of change of distance: It is expressed as distance divided by time. </source>
        <translation> Velocidad (rapidez): la variación de la distancia por unidad de tiempo. Se expresa como distancia dividida entre tiempo. </translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>Vol&amp;umen</translation>
    </message>
    <message>
        <source> The quantity of space an object occupies. </source>
        <translation> El espacio que ocupa un objeto. </translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pies</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>Yardas</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Millas</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Milímetros</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Centímetros</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Metros</translation>
    </message>
    <message>
        <source>Kilometers</source>
        <translation>Kilómetros</translation>
    </message>
    <message>
        <source>Sq Inches</source>
        <translation>Pulgadas cuadradas</translation>
    </message>
    <message>
        <source>Sq Feet</source>
        <translation>Pies cuadrados</translation>
    </message>
    <message>
        <source>Sq Yards</source>
        <translation>Yardas cuadradas</translation>
    </message>
    <message>
        <source>Sq Miles</source>
        <translation>Millas cuadradas</translation>
    </message>
    <message>
        <source>Sq Millimeters</source>
        <translation>Milímetros cuadrados</translation>
    </message>
    <message>
        <source>Sq Centimeters</source>
        <translation>Centímetros cuadrados</translation>
    </message>
    <message>
        <source>Sq Meters</source>
        <translation>Metros cuadrados</translation>
    </message>
    <message>
        <source>Sq Kilometers</source>
        <translation>Kilómetros cuadrados</translation>
    </message>
    <message>
        <source>Gallons/Second</source>
        <translation>Galones/segundo</translation>
    </message>
    <message>
        <source>Gallons/Minute</source>
        <translation>Galones/minuto</translation>
    </message>
    <message>
        <source>Liters/Second</source>
        <translation>Litros/segundo</translation>
    </message>
    <message>
        <source>Liters/Minute</source>
        <translation>Litros/minuto</translation>
    </message>
    <message>
        <source>Horsepower</source>
        <translation>Caballos de fuerza (hp)</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Vatios</translation>
    </message>
    <message>
        <source>Kilowatts</source>
        <translation>Kilovatios</translation>
    </message>
    <message>
        <source>Megawatts</source>
        <translation>Megavatios</translation>
    </message>
    <message>
        <source>Ounces(avdp)</source>
        <translation>Onzas (avdp)</translation>
    </message>
    <message>
        <source>Pounds(avdp)</source>
        <translation>Libras (avdp)</translation>
    </message>
    <message>
        <source>Tons(avdp-2000#)</source>
        <translation>Toneladas cortas (2000 lb)</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>Gramos</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Kilogramos</translation>
    </message>
    <message>
        <source>Megagrams</source>
        <translation>Megagramos</translation>
    </message>
    <message>
        <source>Millibar</source>
        <translation>Milibares</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Bares</translation>
    </message>
    <message>
        <source>PSI</source>
        <translation>psi</translation>
    </message>
    <message>
        <source>Pascal</source>
        <translation>Pascales</translation>
    </message>
    <message>
        <source>Kilopascal</source>
        <translation>Kilopascales</translation>
    </message>
    <message>
        <source>Feet/second</source>
        <translation>Pies/segundo</translation>
    </message>
    <message>
        <source>Feet/minute</source>
        <translation>Pies/minuto</translation>
    </message>
    <message>
        <source>Miles/hour</source>
        <translation>Millas/hora</translation>
    </message>
    <message>
        <source>Meters/second</source>
        <translation>Metros/segundo</translation>
    </message>
    <message>
        <source>Meters/minute</source>
        <translation>Metros/minuto</translation>
    </message>
    <message>
        <source>Kilometers/hour</source>
        <translation>Kilómetros/hora</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>Grados Celsius</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>Grados Fahrenheit</translation>
    </message>
    <message>
        <source>Cubic inches</source>
        <translation>Pulgadas cúbicas</translation>
    </message>
    <message>
        <source>Cubic feet</source>
        <translation>Pies cúbicos</translation>
    </message>
    <message>
        <source>Cubic yards</source>
        <translation>Yardas cúbicas</translation>
    </message>
    <message>
        <source>Cubic centimeters</source>
        <translation>Centímetros cúbicos</translation>
    </message>
    <message>
        <source>Cubic meters</source>
        <translation>Metros cúbicos</translation>
    </message>
    <message>
        <source>Pints</source>
        <translation>Pintas</translation>
    </message>
    <message>
        <source>Quarts</source>
        <translation>Cuartos de galón</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>Galones</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>Litros</translation>
    </message>
    <message>
        <source>Ounce-force/inch</source>
        <translation>Onzas-fuerza pulgada</translation>
    </message>
    <message>
        <source>Ounce-force/foot</source>
        <translation>Onzas-fuerza pie</translation>
    </message>
    <message>
        <source>Pound-force/inch(Inch pounds)</source>
        <translation>Libras-fuerza pulgada</translation>
    </message>
    <message>
        <source>Pound-force/foot(Foot pounds)</source>
        <translation>Libras-fuerza pie</translation>
    </message>
    <message>
        <source>Newton meters</source>
        <translation>Newton-metros</translation>
    </message>
    <message>
        <source>BTU</source>
        <translation>BTU</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Calorías</translation>
    </message>
    <message>
        <source>Pound-force inches</source>
        <translation>Libras-fuerza pulgada</translation>
    </message>
    <message>
        <source>Pound-force feet</source>
        <translation>Libras-fuerza pie</translation>
    </message>
    <message>
        <source>Horsepower-hours</source>
        <translation>Caballos de fuerza-hora</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>Julios</translation>
    </message>
    <message>
        <source>Kilowatt-hours</source>
        <translation>Kilovatios-hora</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>Dinas</translation>
    </message>
    <message>
        <source>Gram-force</source>
        <translation>Gramos-fuerza</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>Kilogramos-fuerza</translation>
    </message>
    <message>
        <source>Millinewtons</source>
        <translation>Milinewtons</translation>
    </message>
    <message>
        <source>Newtons</source>
        <translation>Newtons</translation>
    </message>
    <message>
        <source>Kilonewtons</source>
        <translation>Kilonewtons</translation>
    </message>
    <message>
        <source>Ounce-force</source>
        <translation>Onzas-fuerza</translation>
    </message>
    <message>
        <source>Pound-force</source>
        <translation>Libras-fuerza</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Llama</translation>
    </message>
    <message>
        <source>Foot-candles</source>
        <translation>Pies-candela</translation>
    </message>
    <message>
        <source>Lux</source>
        <translation>Lux</translation>
    </message>
    <message>
        <source>Meter-candles</source>
        <translation>Metros-candela</translation>
    </message>
    <message>
        <source>Bytes (B)</source>
        <translation>Bytes (B)</translation>
    </message>
    <message>
        <source>Kilobytes (KB)</source>
        <translation>Kilobytes (KB)</translation>
    </message>
    <message>
        <source>Megabytes (MB)</source>
        <translation>Megabytes (MB)</translation>
    </message>
    <message>
        <source>Gigabytes (GB)</source>
        <translation>Gigabytes (GB)</translation>
    </message>
    <message>
        <source>Terabytes (TB)</source>
        <translation>Terabytes (TB)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Convert from one unit to another.
With a conversion such as &quot;24 in to ft&quot;, the window opens on it.</source>
        <translation>Convierte de una unidad a otra.
Si se indica una conversión como «24 pulgadas a pies», la ventana se abre mostrándola.</translation>
    </message>
    <message>
        <source>conversion</source>
        <translation>conversión</translation>
    </message>
    <message>
        <source>A value, a unit and the unit to convert into.</source>
        <translation>Un valor, una unidad y la unidad de destino.</translation>
    </message>
    <message>
        <source>[conversion...]</source>
        <translation>[conversión...]</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Convert:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <source>Into:</source>
        <translation>Hacia:</translation>
    </message>
    <message>
        <source>Click here to reverse conversion</source>
        <translation>Pulse aquí para invertir la conversión</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Valor:</translation>
    </message>
    <message>
        <source>Input your data here</source>
        <translation>Escriba aquí su valor</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Igual a:</translation>
    </message>
    <message>
        <source>Your conversion appears here</source>
        <translation>Aquí aparece el resultado</translation>
    </message>
    <message>
        <source>Select number of decimal points</source>
        <translation>Elija el número de decimales</translation>
    </message>
    <message>
        <source>Decimal points</source>
        <translation>Decimales</translation>
    </message>
    <message>
        <source>&amp;Swap Units</source>
        <translation>I&amp;ntercambiar</translation>
    </message>
    <message>
        <source>Invert selected units</source>
        <translation>Intercambiar las unidades elegidas</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <translation>Copiar el resultado al portapapeles</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Fuera de rango</translation>
    </message>
    <message>
        <source>Convert from one unit to another</source>
        <translation>Convertir de una unidad a otra</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listas</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Save to Clipboard</source>
        <translation>&amp;Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Swap Selected &amp;Units</source>
        <translation>Intercambiar &amp;unidades</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>The S&amp;I System</source>
        <translation>El sistema S&amp;I</translation>
    </message>
    <message>
        <source>SI &amp;Base Units</source>
        <translation>Unidades &amp;básicas del SI</translation>
    </message>
    <message>
        <source>SI Prefi&amp;xes</source>
        <translation>Prefi&amp;jos del SI</translation>
    </message>
    <message>
        <source>Released to
%1</source>
        <translation>Publicado para
%1</translation>
    </message>
    <message>
        <source>Units to convert from</source>
        <translation>Unidades de origen</translation>
    </message>
    <message>
        <source>Units to convert into</source>
        <translation>Unidades de destino</translation>
    </message>
    <message>
        <source>Left list, %1</source>
        <translation>Lista izquierda, %1</translation>
    </message>
    <message>
        <source>Right list, %1</source>
        <translation>Lista derecha, %1</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Unit of the input</source>
        <translation>Unidad del valor</translation>
    </message>
    <message>
        <source>Unit of the output</source>
        <translation>Unidad del resultado</translation>
    </message>
    <message>
        <source>Reverse conversion</source>
        <translation>Invertir la conversión</translation>
    </message>
    <message>
        <source>Click here to reverse conversion. Now the left list converts into the right list.</source>
        <translation>Pulse aquí para invertir la conversión. Ahora se convierte de la lista izquierda a la derecha.</translation>
    </message>
    <message>
        <source>Click here to reverse conversion. Now the right list converts into the left list.</source>
        <translation>Pulse aquí para invertir la conversión. Ahora se convierte de la lista derecha a la izquierda.</translation>
    </message>
    <message>
        <source>Resting place</source>
        <translation>Lugar de reposo</translation>
    </message>
    <message>
        <source>Holds the focus after a click on the window; typing here does nothing. Press Tab to go on.</source>
        <translation>Retiene el foco tras un clic en la ventana; escribir aquí no hace nada. Pulse Tab para continuar.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de versión.</translation>
    </message>
</context>
<context>
    <name>ReferenceWindows</name>
    <message>
        <source>The International System (Metric) (SI)</source>
        <translation>El Sistema Internacional (métrico) (SI)</translation>
    </message>
    <message>
        <source>Source: Department of Commerce, National Bureau of Standards.</source>
        <translation>Fuente: Departamento de Comercio de EE. UU., National Bureau of Standards.</translation>
    </message>
    <message>
        <source>The International System of Units is a modernized version of the metric system, established by international agreement, that provides a logical and interconnected framework for all measurements in science, industry, and commerce. The system is built on a foundation of seven basic units, and all other units are derived from them. (Use of metric weights and measures was legalized in the United States in 1866, and our customary units of weights and measures are defined in terms of the meter and kilogram.)</source>
        <translation>El Sistema Internacional de Unidades es una versión modernizada del sistema métrico, establecida por acuerdo internacional, que ofrece un marco lógico y coherente para todas las mediciones de la ciencia, la industria y el comercio. El sistema se basa en siete unidades básicas, de las que se derivan todas las demás. (En los Estados Unidos el uso de pesas y medidas métricas es legal desde 1866, y las unidades de peso y medida habituales allí se definen a partir del metro y el kilogramo.)</translation>
    </message>
    <message>
        <source>LENGTH - Meter - Up until 1983, the meter was defined as 1,650,763.73 wavelengths in a vacuum of the orange-red line of the spectrum of krypton-86. Since then, it is equal to the distance traveled by light in a vacuum in 1/299,792.45 of a second.</source>
        <translation>LONGITUD - Metro - Hasta 1983, el metro se definía como 1&#xa0;650&#xa0;763,73 longitudes de onda, en el vacío, de la línea rojo anaranjada del espectro del criptón&#xa0;86. Desde entonces es igual a la distancia que recorre la luz en el vacío en 1/299&#xa0;792,45 de segundo.</translation>
    </message>
    <message>
        <source>TIME - Second - The second is defined as the duration of 9,192,631,770 cycles of the radiation associated with a specified transition of the cesium-133 atom.</source>
        <translation>TIEMPO - Segundo - El segundo es la duración de 9&#xa0;192&#xa0;631&#xa0;770 periodos de la radiación correspondiente a una transición determinada del átomo de cesio&#xa0;133.</translation>
    </message>
    <message>
        <source>MASS - Kilogram - The standard for the kilogram is a cylinder of platinum-iridium alloy kept by the International Bureau of Weights and Measures at Paris. A duplicate at the National Bureau of Standards serves as the mass standard for the United States. The kilogram is the only base unit still defined by a physical object.</source>
        <translation>MASA - Kilogramo - El patrón del kilogramo es un cilindro de una aleación de platino e iridio que conserva la Oficina Internacional de Pesas y Medidas en París. Una copia en el National Bureau of Standards sirve de patrón de masa a los Estados Unidos. El kilogramo es la única unidad básica que aún se define mediante un objeto físico.</translation>
    </message>
    <message>
        <source>TEMPERATURE - Kelvin - The Kelvin is defined as the fraction 1/273.16 of the thermodynamic temperature of the triple point of water; that is, the point at which water forms an interface of solid, liquid, and vapor. This is defined as 0.01°C on the Centigrade or Celsius scale and 32.02°F on the Fahrenheit scale. The temperature 0°K is called &apos;absolute zero.&apos;</source>
        <translation>TEMPERATURA - Kelvin - El kelvin es la fracción 1/273,16 de la temperatura termodinámica del punto triple del agua, es decir, el punto en que el agua coexiste en estado sólido, líquido y gaseoso. Este punto equivale a 0,01&#xa0;°C en la escala centígrada o Celsius y a 32,02&#xa0;°F en la escala Fahrenheit. La temperatura de 0&#xa0;K se llama «cero absoluto».</translation>
    </message>
    <message>
        <source>ELECTRIC CURRENT - Ampere - The ampere is defined as that current that, if maintained in each of two long parallel wires separated by one meter in free space, would produce a force between the two wires (due to their magnetic fields) of 2 × 10-7 newton for each meter of length. (A newton is the unit of force that when applied to one kilogram mass would experience an acceleration of one meter per second per second.)</source>
        <translation>CORRIENTE ELÉCTRICA - Amperio - El amperio es la corriente que, mantenida en dos conductores largos y paralelos separados un metro en el vacío, produciría entre ellos (por sus campos magnéticos) una fuerza de 2&#xa0;×&#xa0;10⁻⁷&#xa0;newtons por metro de longitud. (El newton es la fuerza que comunica a una masa de un kilogramo una aceleración de un metro por segundo al cuadrado.)</translation>
    </message>
    <message>
        <source>LUMINOUS INTESITY - Candela - The candela is defined as the luminous intensity of 1/600,000 of a square meter of a cavity at the temperature of freezing platinum (2,042°K).</source>
        <translation>INTENSIDAD LUMINOSA - Candela - La candela es la intensidad luminosa de 1/600&#xa0;000 de metro cuadrado de un cuerpo negro a la temperatura de solidificación del platino (2042&#xa0;K).</translation>
    </message>
    <message>
        <source>AMOUNT OF SUBSTANCE - Mole - The mole is the amount of substance of a system that contains as many elementary entities as there are atoms in 0.012 kilogram of carbon-12.</source>
        <translation>CANTIDAD DE SUSTANCIA - Mol - El mol es la cantidad de sustancia de un sistema que contiene tantas entidades elementales como átomos hay en 0,012&#xa0;kilogramos de carbono&#xa0;12.</translation>
    </message>
    <message>
        <source> SI Info </source>
        <translation> Info SI </translation>
    </message>
    <message>
        <source> SI Base Units </source>
        <translation> Unidades básicas del SI </translation>
    </message>
    <message>
        <source> SI Prefixes </source>
        <translation> Prefijos del SI </translation>
    </message>
    <message>
        <source>SI information</source>
        <translation>Información sobre el SI</translation>
    </message>
</context>
<context>
    <name>SIBaseUnits</name>
    <message>
        <source>Name</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Magnitud</translation>
    </message>
    <message>
        <source>Meter       m        length</source>
        <translation>Metro       m        longitud</translation>
    </message>
    <message>
        <source>Kilogram    kg       mass</source>
        <translation>Kilogramo   kg       masa</translation>
    </message>
    <message>
        <source>Second      s        time</source>
        <translation>Segundo     s        tiempo</translation>
    </message>
    <message>
        <source>Ampere      A        electric current</source>
        <translation>Amperio     A        corriente eléctrica</translation>
    </message>
    <message>
        <source>Kelvin      K        temperature</source>
        <translation>Kelvin      K        temperatura</translation>
    </message>
    <message>
        <source>Mole        mol      amount of substance</source>
        <translation>Mol         mol      cant. de sustancia</translation>
    </message>
    <message>
        <source>Candela     cd       luminous intensity</source>
        <translation>Candela     cd       intensidad luminosa</translation>
    </message>
</context>
<context>
    <name>SIPrefixes</name>
    <message>
        <source>Name</source>
        <translation>Prefijo</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Multiplying Factor</source>
        <translation>Factor multiplicador</translation>
    </message>
    <message>
        <source>Scientific Notation</source>
        <translation>Potencia de diez</translation>
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
        <translation>kilo-     k   1 000                                 (10³)</translation>
    </message>
    <message>
        <source>hecto-    h   100                                (10E+02)</source>
        <translation>hecto-    h   100                                   (10²)</translation>
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
        <translation>mili-     m   0,001                                (10⁻³)</translation>
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
        <translation>la ventana no convierte monedas; para «%1» use mezzurix-convert o la búsqueda del escritorio</translation>
    </message>
    <message>
        <source>the window lists only its own units; mezzurix-convert and the desktop search answer &quot;%1&quot;</source>
        <extracomment>The program was started with a conversion of units the window does not list: &quot;1 cup to ml&quot;</extracomment>
        <translation>la ventana solo muestra sus propias unidades; mezzurix-convert y la búsqueda del escritorio responden a «%1»</translation>
    </message>
</context>
</TS>
