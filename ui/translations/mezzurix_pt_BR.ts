<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Catalogue</name>
    <message>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>&amp;Area</source>
        <translation>Á&amp;rea</translation>
    </message>
    <message>
        <source> The measure of a bounded region on a plane. </source>
        <translation> A medida de uma região delimitada de um plano. </translation>
    </message>
    <message>
        <source>Computer Memory / Disk Capacity</source>
        <translation>Memória / capacidade de disco</translation>
    </message>
    <message>
        <source>&amp;Computer Memory / Disk Capacity</source>
        <translation>&amp;Memória / capacidade de disco</translation>
    </message>
    <message>
        <source> Memory and storage sizes for digital devices. [Using the binary (base 2) method] </source>
        <translation> Tamanhos de memória e de armazenamento dos dispositivos digitais. [Pelo método binário (base 2)] </translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distância</translation>
    </message>
    <message>
        <source>&amp;Distance</source>
        <translation>&amp;Distância</translation>
    </message>
    <message>
        <source> The length of a line between two points. </source>
        <translation> O comprimento de uma linha entre dois pontos. </translation>
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
        <translation> A capacidade de realizar trabalho; na física moderna, matéria e energia são consideradas equivalentes. </translation>
    </message>
    <message>
        <source>Flow Rate</source>
        <translation>Vazão</translation>
    </message>
    <message>
        <source>&amp;Flow Rate</source>
        <translation>&amp;Vazão</translation>
    </message>
    <message>
        <source> The amount of liquid passing by a fixed point during a prescribed amount of time. </source>
        <translation> A quantidade de líquido que passa por um ponto fixo durante um intervalo de tempo determinado. </translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Força</translation>
    </message>
    <message>
        <source>F&amp;orce</source>
        <translation>&amp;Força</translation>
    </message>
    <message>
        <source> The cause, or agent, that puts an object at rest into motion or alters the motion of a moving object. </source>
        <translation> A causa que põe em movimento um objeto em repouso ou altera o movimento de um objeto que se move. </translation>
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
        <translation> O fluxo da radiação luminosa avaliado segundo a sensibilidade do olho humano. </translation>
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
        <translation> A medida da inércia de um corpo, isto é, da matéria que ele contém: a experiência mostra que a força gravitacional sobre um objeto é proporcional à sua massa. </translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potência</translation>
    </message>
    <message>
        <source>Po&amp;wer</source>
        <translation>&amp;Potência</translation>
    </message>
    <message>
        <source> The rate at which work is done. </source>
        <translation> O trabalho realizado por unidade de tempo. </translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressão</translation>
    </message>
    <message>
        <source>&amp;Pressure</source>
        <translation>Pre&amp;ssão</translation>
    </message>
    <message>
        <source> Force per unit of area. </source>
        <translation> Força por unidade de área. </translation>
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
        <translation> Uma medida da energia cinética média por molécula de um corpo. </translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Torque</translation>
    </message>
    <message>
        <source>&amp;Torque</source>
        <translation>T&amp;orque</translation>
    </message>
    <message>
        <source> Moment of Force (Torque) - A measure of the tendency of a force to rotate the body upon which it acts about an axis. </source>
        <translation> Momento de uma força (torque): medida da tendência de uma força a fazer girar em torno de um eixo o corpo sobre o qual atua. </translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Velocit&amp;y</source>
        <translation>Velo&amp;cidade</translation>
    </message>
    <message>
        <source> Velocity (Speed) - The time-rate of change of distance: It is expressed as distance divided by time. </source>
        <translation> Velocidade: a variação da distância por unidade de tempo. É expressa como distância dividida pelo tempo. </translation>
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
        <translation> O espaço que um objeto ocupa. </translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Polegadas</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pés</translation>
    </message>
    <message>
        <source>Yards</source>
        <translation>Jardas</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Milhas</translation>
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
        <translation>Quilômetros</translation>
    </message>
    <message>
        <source>Sq Inches</source>
        <translation>Polegadas quadradas</translation>
    </message>
    <message>
        <source>Sq Feet</source>
        <translation>Pés quadrados</translation>
    </message>
    <message>
        <source>Sq Yards</source>
        <translation>Jardas quadradas</translation>
    </message>
    <message>
        <source>Sq Miles</source>
        <translation>Milhas quadradas</translation>
    </message>
    <message>
        <source>Sq Millimeters</source>
        <translation>Milímetros quadrados</translation>
    </message>
    <message>
        <source>Sq Centimeters</source>
        <translation>Centímetros quadrados</translation>
    </message>
    <message>
        <source>Sq Meters</source>
        <translation>Metros quadrados</translation>
    </message>
    <message>
        <source>Sq Kilometers</source>
        <translation>Quilômetros quadrados</translation>
    </message>
    <message>
        <source>Gallons/Second</source>
        <translation>Galões/segundo</translation>
    </message>
    <message>
        <source>Gallons/Minute</source>
        <translation>Galões/minuto</translation>
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
        <translation>Horse-power (hp)</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watts</translation>
    </message>
    <message>
        <source>Kilowatts</source>
        <translation>Quilowatts</translation>
    </message>
    <message>
        <source>Megawatts</source>
        <translation>Megawatts</translation>
    </message>
    <message>
        <source>Ounces(avdp)</source>
        <translation>Onças (avdp)</translation>
    </message>
    <message>
        <source>Pounds(avdp)</source>
        <translation>Libras (avdp)</translation>
    </message>
    <message>
        <source>Tons(avdp-2000#)</source>
        <translation>Toneladas curtas (2000 lb)</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>Gramas</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Quilogramas</translation>
    </message>
    <message>
        <source>Megagrams</source>
        <translation>Megagramas</translation>
    </message>
    <message>
        <source>Millibar</source>
        <translation>Milibars</translation>
    </message>
    <message>
        <source>Bar</source>
        <translation>Bars</translation>
    </message>
    <message>
        <source>PSI</source>
        <translation>psi</translation>
    </message>
    <message>
        <source>Pascal</source>
        <translation>Pascals</translation>
    </message>
    <message>
        <source>Kilopascal</source>
        <translation>Quilopascals</translation>
    </message>
    <message>
        <source>Feet/second</source>
        <translation>Pés/segundo</translation>
    </message>
    <message>
        <source>Feet/minute</source>
        <translation>Pés/minuto</translation>
    </message>
    <message>
        <source>Miles/hour</source>
        <translation>Milhas/hora</translation>
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
        <translation>Quilômetros/hora</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>Graus Celsius</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>Graus Fahrenheit</translation>
    </message>
    <message>
        <source>Cubic inches</source>
        <translation>Polegadas cúbicas</translation>
    </message>
    <message>
        <source>Cubic feet</source>
        <translation>Pés cúbicos</translation>
    </message>
    <message>
        <source>Cubic yards</source>
        <translation>Jardas cúbicas</translation>
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
        <translation>Pintas (EUA)</translation>
    </message>
    <message>
        <source>Quarts</source>
        <translation>Quartos (EUA)</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>Galões (EUA)</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>Litros</translation>
    </message>
    <message>
        <source>Ounce-force/inch</source>
        <translation>Onças-força polegadas (ozf·in)</translation>
    </message>
    <message>
        <source>Ounce-force/foot</source>
        <translation>Onças-força pés (ozf·ft)</translation>
    </message>
    <message>
        <source>Pound-force/inch(Inch pounds)</source>
        <translation>Libras-força polegadas (lbf·in)</translation>
    </message>
    <message>
        <source>Pound-force/foot(Foot pounds)</source>
        <translation>Libras-força pés (lbf·ft)</translation>
    </message>
    <message>
        <source>Newton meters</source>
        <translation>Newtons-metros</translation>
    </message>
    <message>
        <source>BTU</source>
        <translation>BTU</translation>
    </message>
    <message>
        <source>Calories</source>
        <translation>Calorias</translation>
    </message>
    <message>
        <source>Pound-force inches</source>
        <translation>Libras-força polegadas</translation>
    </message>
    <message>
        <source>Pound-force feet</source>
        <translation>Libras-força pés</translation>
    </message>
    <message>
        <source>Horsepower-hours</source>
        <translation>Horse-power-horas (hp·h)</translation>
    </message>
    <message>
        <source>Joules</source>
        <translation>Joules</translation>
    </message>
    <message>
        <source>Kilowatt-hours</source>
        <translation>Quilowatts-horas</translation>
    </message>
    <message>
        <source>Dynes</source>
        <translation>Dinas</translation>
    </message>
    <message>
        <source>Gram-force</source>
        <translation>Gramas-força</translation>
    </message>
    <message>
        <source>Kilogram-force</source>
        <translation>Quilogramas-força</translation>
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
        <translation>Quilonewtons</translation>
    </message>
    <message>
        <source>Ounce-force</source>
        <translation>Onças-força</translation>
    </message>
    <message>
        <source>Pound-force</source>
        <translation>Libras-força</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Chamas</translation>
    </message>
    <message>
        <source>Foot-candles</source>
        <translation>Pés-vela</translation>
    </message>
    <message>
        <source>Lux</source>
        <translation>Lux</translation>
    </message>
    <message>
        <source>Meter-candles</source>
        <translation>Metros-vela</translation>
    </message>
    <message>
        <source>Bytes (B)</source>
        <translation>Bytes (B)</translation>
    </message>
    <message>
        <source>Kilobytes (KB)</source>
        <translation>Quilobytes (KB)</translation>
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
        <translation>Converte de uma unidade para outra.
Se for informada uma conversão como “24 polegadas em pés”, a janela já abre com ela.</translation>
    </message>
    <message>
        <source>conversion</source>
        <translation>conversão</translation>
    </message>
    <message>
        <source>A value, a unit and the unit to convert into.</source>
        <translation>Um valor, uma unidade e a unidade de destino.</translation>
    </message>
    <message>
        <source>[conversion...]</source>
        <translation>[conversão...]</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Convert:</source>
        <translation>De:</translation>
    </message>
    <message>
        <source>Into:</source>
        <translation>Para:</translation>
    </message>
    <message>
        <source>Click here to reverse conversion</source>
        <translation>Clique aqui para inverter a conversão</translation>
    </message>
    <message>
        <source>Input:</source>
        <translation>Valor:</translation>
    </message>
    <message>
        <source>Input your data here</source>
        <translation>Digite aqui o valor</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Igual a:</translation>
    </message>
    <message>
        <source>Your conversion appears here</source>
        <translation>O resultado aparece aqui</translation>
    </message>
    <message>
        <source>Select number of decimal points</source>
        <translation>Escolha o número de casas decimais</translation>
    </message>
    <message>
        <source>Decimal points</source>
        <translation>Casas decimais</translation>
    </message>
    <message>
        <source>&amp;Swap Units</source>
        <translation>&amp;Trocar</translation>
    </message>
    <message>
        <source>Invert selected units</source>
        <translation>Trocar as unidades escolhidas</translation>
    </message>
    <message>
        <source>&amp;Clipboard</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy output to clipboard</source>
        <translation>Copiar o resultado para a área de transferência</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Fora do intervalo</translation>
    </message>
    <message>
        <source>Convert from one unit to another</source>
        <translation>Converter de uma unidade para outra</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listas</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Save to Clipboard</source>
        <translation>&amp;Copiar para a área de transferência</translation>
    </message>
    <message>
        <source>Swap Selected &amp;Units</source>
        <translation>Trocar as &amp;unidades</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Informações</translation>
    </message>
    <message>
        <source>The S&amp;I System</source>
        <translation>O sistema S&amp;I</translation>
    </message>
    <message>
        <source>SI &amp;Base Units</source>
        <translation>Unidades de &amp;base do SI</translation>
    </message>
    <message>
        <source>SI Prefi&amp;xes</source>
        <translation>&amp;Prefixos do SI</translation>
    </message>
    <message>
        <source>Released to
%1</source>
        <translation>Publicado para
%1</translation>
    </message>
    <message>
        <source>Units to convert from</source>
        <translation>Unidades de origem</translation>
    </message>
    <message>
        <source>Units to convert into</source>
        <translation>Unidades de destino</translation>
    </message>
    <message>
        <source>Left list, %1</source>
        <translation>Lista da esquerda, %1</translation>
    </message>
    <message>
        <source>Right list, %1</source>
        <translation>Lista da direita, %1</translation>
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
        <translation>Unidade do valor</translation>
    </message>
    <message>
        <source>Unit of the output</source>
        <translation>Unidade do resultado</translation>
    </message>
    <message>
        <source>Reverse conversion</source>
        <translation>Inverter a conversão</translation>
    </message>
    <message>
        <source>Click here to reverse conversion. Now the left list converts into the right list.</source>
        <translation>Clique aqui para inverter a conversão. Agora a lista da esquerda é convertida na da direita.</translation>
    </message>
    <message>
        <source>Click here to reverse conversion. Now the right list converts into the left list.</source>
        <translation>Clique aqui para inverter a conversão. Agora a lista da direita é convertida na da esquerda.</translation>
    </message>
    <message>
        <source>Resting place</source>
        <translation>Ponto de descanso</translation>
    </message>
    <message>
        <source>Holds the focus after a click on the window; typing here does nothing. Press Tab to go on.</source>
        <translation>Mantém o foco após um clique na janela; digitar aqui não tem efeito. Pressione Tab para continuar.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda sobre as opções da linha de comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra a ajuda, incluindo as opções específicas do Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra informações sobre a versão.</translation>
    </message>
</context>
<context>
    <name>ReferenceWindows</name>
    <message>
        <source>The International System (Metric) (SI)</source>
        <translation>O Sistema Internacional (métrico) (SI)</translation>
    </message>
    <message>
        <source>Source: Department of Commerce, National Bureau of Standards.</source>
        <translation>Fonte: Departamento de Comércio dos EUA, National Bureau of Standards.</translation>
    </message>
    <message>
        <source>The International System of Units is a modernized version of the metric system, established by international agreement, that provides a logical and interconnected framework for all measurements in science, industry, and commerce. The system is built on a foundation of seven basic units, and all other units are derived from them. (Use of metric weights and measures was legalized in the United States in 1866, and our customary units of weights and measures are defined in terms of the meter and kilogram.)</source>
        <translation>O Sistema Internacional de Unidades é uma versão modernizada do sistema métrico, estabelecida por acordo internacional, que oferece uma estrutura lógica e coerente para todas as medições da ciência, da indústria e do comércio. O sistema se baseia em sete unidades de base, das quais derivam todas as outras. (Nos Estados Unidos, o uso de pesos e medidas métricos é legal desde 1866, e as unidades usuais de peso e medida do país são definidas a partir do metro e do quilograma.)</translation>
    </message>
    <message>
        <source>LENGTH - Meter - Up until 1983, the meter was defined as 1,650,763.73 wavelengths in a vacuum of the orange-red line of the spectrum of krypton-86. Since then, it is equal to the distance traveled by light in a vacuum in 1/299,792.45 of a second.</source>
        <translation>COMPRIMENTO - Metro - Até 1983, o metro era definido como 1&#xa0;650&#xa0;763,73 comprimentos de onda, no vácuo, da raia vermelho-alaranjada do espectro do criptônio&#xa0;86. Desde então, é igual à distância percorrida pela luz no vácuo em 1/299&#xa0;792&#xa0;458 de segundo.</translation>
    </message>
    <message>
        <source>TIME - Second - The second is defined as the duration of 9,192,631,770 cycles of the radiation associated with a specified transition of the cesium-133 atom.</source>
        <translation>TEMPO - Segundo - O segundo é a duração de 9&#xa0;192&#xa0;631&#xa0;770 períodos da radiação correspondente a uma determinada transição do átomo de césio&#xa0;133.</translation>
    </message>
    <message>
        <source>MASS - Kilogram - The standard for the kilogram is a cylinder of platinum-iridium alloy kept by the International Bureau of Weights and Measures at Paris. A duplicate at the National Bureau of Standards serves as the mass standard for the United States. The kilogram is the only base unit still defined by a physical object.</source>
        <translation>MASSA - Quilograma - O padrão do quilograma é um cilindro de liga de platina e irídio guardado pelo Bureau Internacional de Pesos e Medidas em Sèvres, perto de Paris. Uma cópia no National Bureau of Standards serve de padrão de massa para os Estados Unidos. O quilograma é a única unidade de base ainda definida por um objeto físico.</translation>
    </message>
    <message>
        <source>TEMPERATURE - Kelvin - The Kelvin is defined as the fraction 1/273.16 of the thermodynamic temperature of the triple point of water; that is, the point at which water forms an interface of solid, liquid, and vapor. This is defined as 0.01°C on the Centigrade or Celsius scale and 32.02°F on the Fahrenheit scale. The temperature 0°K is called &apos;absolute zero.&apos;</source>
        <translation>TEMPERATURA - Kelvin - O kelvin é a fração 1/273,16 da temperatura termodinâmica do ponto triplo da água, isto é, do ponto em que a água coexiste nos estados sólido, líquido e gasoso. Esse ponto equivale a 0,01&#xa0;°C na escala centígrada ou Celsius e a 32,02&#xa0;°F na escala Fahrenheit. A temperatura de 0&#xa0;K é chamada “zero absoluto”.</translation>
    </message>
    <message>
        <source>ELECTRIC CURRENT - Ampere - The ampere is defined as that current that, if maintained in each of two long parallel wires separated by one meter in free space, would produce a force between the two wires (due to their magnetic fields) of 2 × 10-7 newton for each meter of length. (A newton is the unit of force that when applied to one kilogram mass would experience an acceleration of one meter per second per second.)</source>
        <translation>CORRENTE ELÉTRICA - Ampere - O ampere é a corrente que, mantida em dois condutores longos e paralelos separados por um metro no vácuo, produziria entre eles (por seus campos magnéticos) uma força de 2 × 10⁻⁷ newton por metro de comprimento. (O newton é a força que imprime a uma massa de um quilograma uma aceleração de um metro por segundo ao quadrado.)</translation>
    </message>
    <message>
        <source>LUMINOUS INTESITY - Candela - The candela is defined as the luminous intensity of 1/600,000 of a square meter of a cavity at the temperature of freezing platinum (2,042°K).</source>
        <translation>INTENSIDADE LUMINOSA - Candela - A candela é a intensidade luminosa de 1/600&#xa0;000 de metro quadrado de um corpo negro à temperatura de solidificação da platina (2042&#xa0;K).</translation>
    </message>
    <message>
        <source>AMOUNT OF SUBSTANCE - Mole - The mole is the amount of substance of a system that contains as many elementary entities as there are atoms in 0.012 kilogram of carbon-12.</source>
        <translation>QUANTIDADE DE SUBSTÂNCIA - Mol - O mol é a quantidade de substância de um sistema que contém tantas entidades elementares quantos são os átomos existentes em 0,012&#xa0;quilograma de carbono&#xa0;12.</translation>
    </message>
    <message>
        <source> SI Info </source>
        <translation> Informações do SI </translation>
    </message>
    <message>
        <source> SI Base Units </source>
        <translation> Unidades de base do SI </translation>
    </message>
    <message>
        <source> SI Prefixes </source>
        <translation> Prefixos do SI </translation>
    </message>
    <message>
        <source>SI information</source>
        <translation>Informações sobre o SI</translation>
    </message>
</context>
<context>
    <name>SIBaseUnits</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Grandeza</translation>
    </message>
    <message>
        <source>Meter       m        length</source>
        <translation>Metro       m        compr.</translation>
    </message>
    <message>
        <source>Kilogram    kg       mass</source>
        <translation>Quilograma  kg       massa</translation>
    </message>
    <message>
        <source>Second      s        time</source>
        <translation>Segundo     s        tempo</translation>
    </message>
    <message>
        <source>Ampere      A        electric current</source>
        <translation>Ampere      A        corrente elétrica</translation>
    </message>
    <message>
        <source>Kelvin      K        temperature</source>
        <translation>Kelvin      K        temperatura</translation>
    </message>
    <message>
        <source>Mole        mol      amount of substance</source>
        <translation>Mol         mol      quant. de substância</translation>
    </message>
    <message>
        <source>Candela     cd       luminous intensity</source>
        <translation>Candela     cd       intens. luminosa</translation>
    </message>
</context>
<context>
    <name>SIPrefixes</name>
    <message>
        <source>Name</source>
        <translation>Prefixo</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Multiplying Factor</source>
        <translation>Fator multiplicador</translation>
    </message>
    <message>
        <source>Scientific Notation</source>
        <translation>Potência de dez</translation>
    </message>
    <message>
        <source>yotta-    Y   1 000 000 000 000 000 000 000 000  (10E+24)</source>
        <translation>iota-     Y   1 000 000 000 000 000 000 000 000    (10²⁴)</translation>
    </message>
    <message>
        <source>zetta-    Z   1 000 000 000 000 000 000 000      (10E+21)</source>
        <translation>zeta-     Z   1 000 000 000 000 000 000 000        (10²¹)</translation>
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
        <translation>quilo-    k   1 000                                 (10³)</translation>
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
        <translation>ato-      a   0,000 000 000 000 000 001           (10⁻¹⁸)</translation>
    </message>
    <message>
        <source>zepto-    z   0.000 000 000 000 000 000 001      (10E-21)</source>
        <translation>zepto-    z   0,000 000 000 000 000 000 001       (10⁻²¹)</translation>
    </message>
    <message>
        <source>yocto-    y   0.000 000 000 000 000 000 000 001  (10E-24)</source>
        <translation>iocto-    y   0,000 000 000 000 000 000 000 001   (10⁻²⁴)</translation>
    </message>
</context>
<context>
    <name>StartConversion</name>
    <message>
        <source>the window converts no currencies; for &quot;%1&quot; use mezzurix-convert or the desktop&apos;s search</source>
        <extracomment>The program was started with a conversion of money: &quot;$20 to eur&quot;</extracomment>
        <translation>a janela não converte moedas; para “%1”, use o mezzurix-convert ou a pesquisa da área de trabalho</translation>
    </message>
    <message>
        <source>the window lists only its own units; mezzurix-convert and the desktop search answer &quot;%1&quot;</source>
        <extracomment>The program was started with a conversion of units the window does not list: &quot;1 cup to ml&quot;</extracomment>
        <translation>a janela lista apenas as próprias unidades; o mezzurix-convert e a pesquisa da área de trabalho respondem a “%1”</translation>
    </message>
</context>
</TS>
