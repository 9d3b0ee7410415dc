<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>AboutWindow</name>
    <message>
        <source>О программе Тальвен</source>
        <translation>About Talven</translation>
    </message>
    <message>
        <source>Интерактивное пособие для медицинских ВУЗов</source>
        <translation>An interactive aid for medical universities</translation>
    </message>
    <message>
        <source>Авторы: коллектив разработчиков</source>
        <translation>Authors: the development team</translation>
    </message>
    <message>
        <source>Под научным руководством кафедры физики</source>
        <translation>Guided by the Department of Physics</translation>
    </message>
    <message>
        <source>Разработано для практикума по медицинской и биологической физике</source>
        <translation>Made for the practicum in medical and biological physics</translation>
    </message>
    <message>
        <source>:/art/title1.svg</source>
        <comment>picture of the title&apos;s upper words</comment>
        <translation>:/art/en/title1.svg</translation>
    </message>
    <message>
        <source>:/art/title2.svg</source>
        <comment>picture of the title&apos;s lower words</comment>
        <translation>:/art/en/title2.svg</translation>
    </message>
</context>
<context>
    <name>ApparatusView</name>
    <message>
        <source>Вискозиметр</source>
        <translation>Viscometer</translation>
    </message>
</context>
<context>
    <name>Liquids</name>
    <message>
        <source>Ксилол</source>
        <translation>Xylene</translation>
    </message>
    <message>
        <source>Ацетон</source>
        <translation>Acetone</translation>
    </message>
    <message>
        <source>Спирт этиловый</source>
        <translation>Ethyl alcohol</translation>
    </message>
    <message>
        <source>Сыворотка</source>
        <translation>Serum</translation>
    </message>
    <message>
        <source>Плазма</source>
        <translation>Plasma</translation>
    </message>
    <message>
        <source>Кровь (жен.)</source>
        <translation>Blood (female)</translation>
    </message>
    <message>
        <source>Кровь (муж.)</source>
        <translation>Blood (male)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Тальвен (интерактивная лабораторная работа)</source>
        <translation>Talven (interactive laboratory exercise)</translation>
    </message>
    <message>
        <source>Левый сосуд</source>
        <translation>Left vessel</translation>
    </message>
    <message>
        <source>Жидкость</source>
        <translation>Liquid</translation>
    </message>
    <message>
        <source>Жидкость:</source>
        <translation>Liquid:</translation>
    </message>
    <message>
        <source>Вода</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>В о д а</source>
        <translation>W a t e r</translation>
    </message>
    <message>
        <source>&amp;Больше</source>
        <translation>&amp;More</translation>
    </message>
    <message>
        <source>&amp;Меньше</source>
        <translation>&amp;Less</translation>
    </message>
    <message>
        <source>Правый сосуд</source>
        <translation>Right vessel</translation>
    </message>
    <message>
        <source>&amp;Расчетная часть</source>
        <translation>&amp;Calculation</translation>
    </message>
    <message>
        <source>l ноль</source>
        <translation>l zero</translation>
    </message>
    <message>
        <source>l o =</source>
        <translation>l o =</translation>
    </message>
    <message>
        <source>l штрих</source>
        <translation>l prime</translation>
    </message>
    <message>
        <source>l &apos;  =</source>
        <translation>l &apos;  =</translation>
    </message>
    <message>
        <source>Подсчитать вязкость</source>
        <translation>Compute viscosity</translation>
    </message>
    <message>
        <source>&amp;Подсчитать вязкость &gt;</source>
        <translation>Compute &amp;viscosity &gt;</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>&amp;Очистить  &lt;&lt;&lt;</source>
        <translation>Clea&amp;r  &lt;&lt;&lt;</translation>
    </message>
    <message>
        <source>Среднее значение относительной вязкости:</source>
        <translation>Mean relative viscosity:</translation>
    </message>
    <message>
        <source>мПа * с</source>
        <translation>mPa * s</translation>
    </message>
    <message>
        <source>Открыть кран</source>
        <translation>Open tap</translation>
    </message>
    <message>
        <source>&amp;Открыть кран </source>
        <translation>&amp;Open tap </translation>
    </message>
    <message>
        <source>&amp;Закрыть кран</source>
        <translation>Clo&amp;se tap</translation>
    </message>
    <message>
        <source>&amp;Меню</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>&amp;Сервис</source>
        <translation>&amp;Service</translation>
    </message>
    <message>
        <source>&amp;Реверс шкалы</source>
        <translation>&amp;Reverse scale</translation>
    </message>
    <message>
        <source>&amp;Теория</source>
        <translation>&amp;Theory</translation>
    </message>
    <message>
        <source>&amp;Таблица вязкостей</source>
        <translation>Table of &amp;viscosities</translation>
    </message>
    <message>
        <source>&amp;О программе...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Результат %1, среднее значение %2</source>
        <translation>Result %1, mean %2</translation>
    </message>
    <message>
        <source>Список результатов очищен</source>
        <translation>Results list cleared</translation>
    </message>
    <message>
        <source>Результаты: %1</source>
        <translation>Results: %1</translation>
    </message>
    <message>
        <source>Вода %1, %2 %3, кран %4</source>
        <translation>Water %1, %2 %3, tap %4</translation>
    </message>
    <message>
        <source>открыт</source>
        <translation>open</translation>
    </message>
    <message>
        <source>закрыт</source>
        <translation>closed</translation>
    </message>
    <message>
        <source>%1 и %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>кран открыт</source>
        <translation>tap open</translation>
    </message>
    <message>
        <source>Левая трубка опустела</source>
        <translation>Left tube ran dry</translation>
    </message>
    <message>
        <source>Правая трубка опустела</source>
        <translation>Right tube ran dry</translation>
    </message>
    <message>
        <source>Трубка полна</source>
        <translation>Tube full</translation>
    </message>
    <message>
        <source>Трубка пуста</source>
        <translation>Tube empty</translation>
    </message>
    <message>
        <source>Обе трубки пусты</source>
        <translation>Both tubes empty</translation>
    </message>
    <message>
        <source>l ноль: нужно число</source>
        <translation>l zero: a number is needed</translation>
    </message>
    <message>
        <source>l штрих: нужно число больше нуля</source>
        <translation>l prime: a number above zero is needed</translation>
    </message>
    <message>
        <source>Результат вне пределов: проверьте l ноль и l штрих</source>
        <translation>Result out of range: check l zero and l prime</translation>
    </message>
</context>
<context>
    <name>TableWindow</name>
    <message>
        <source>Таблица вязкостей</source>
        <translation>Table of viscosities</translation>
    </message>
    <message>
        <source>Жидкость</source>
        <translation>Liquid</translation>
    </message>
    <message>
        <source>мПа * с</source>
        <translation>mPa * s</translation>
    </message>
    <message>
        <source>Ацетон</source>
        <translation>Acetone</translation>
    </message>
    <message>
        <source>Ксилол</source>
        <translation>Xylene</translation>
    </message>
    <message>
        <source>Спирт этиловый</source>
        <translation>Ethyl alcohol</translation>
    </message>
    <message>
        <source>Плазма</source>
        <translation>Plasma</translation>
    </message>
    <message>
        <source>Сыворотка</source>
        <translation>Serum</translation>
    </message>
    <message>
        <source>Кровь (муж.)</source>
        <translation>Blood (male)</translation>
    </message>
    <message>
        <source>Кровь (жен.)</source>
        <translation>Blood (female)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>talven: нет графического сеанса: программе нужен дисплей X11 или Wayland</source>
        <translation>talven: no graphical session: the program needs an X11 or Wayland display</translation>
    </message>
</context>
</TS>
