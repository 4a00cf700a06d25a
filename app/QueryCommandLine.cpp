#include "QueryCommandLine.h"

#include "platform/Errors.h"

#include <QCommandLineParser>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// The options in the order the help lists them.
QList<QCommandLineOption> options()
{
    return {
        {{u"h"_s, u"help"_s}, u"Print this help and exit."_s},
        {u"version"_s, u"Print the version and exit."_s},
        {u"name"_s, u"品名 (product name) contains TEXT."_s, u"TEXT"_s},
        {u"alias"_s, u"别名 (alias) contains TEXT."_s, u"TEXT"_s},
        {u"eng"_s, u"英文名 (English name) contains TEXT."_s, u"TEXT"_s},
        {u"exact"_s, u"Match the whole text with --name, --alias and --eng."_s},
        {u"cas"_s, u"CAS号 is TEXT, always exactly."_s, u"TEXT"_s},
        {u"batch"_s, u"重点监管批次 (key-supervision batch): 1 any batch, 2 the first, 3 the second; -1 (the default) or 0 none."_s,
         u"N"_s},
        {u"hazard"_s, u"危险性类别 (hazard category) item N, 1 to 31 (17: 急性毒性-经口); 0 (the default) none; -1 searches --hazard-text."_s,
         u"N"_s},
        {u"hazard-text"_s, u"With --hazard -1: 危险性类别 contains TEXT."_s, u"TEXT"_s},
        {u"precursor"_s, u"易制毒制爆: 2 every drug precursor, 3, 4, 5 its first, second, third class, 7 explosive precursors; -1 (the default) none."_s,
         u"N"_s},
        {u"index-no"_s, u"危化目录序号 (catalogue number) TEXT; \"0\" (the default) means none."_s, u"TEXT"_s},
        {u"no-limit"_s, u"Print every row, not just the first 200."_s},
        {u"sql"_s, u"Print the statement of the criteria and run nothing."_s},
        {u"check"_s, u"Check an inventory instead of searching: an Excel workbook (.xlsx, .xls; its first sheet) or a text or CSV file, one chemical per row in the first column (CAS number, Chinese name or alias, English name), optionally with its quantity in one unit (the column headed 数量 or quantity, else the second; or after a blank: 12.5 t, 800 kg; a bare number is tonnes unless the heading names kg), which gives the major-hazard sum S of GB 18218-2018; a header row is skipped; - reads standard input. Takes no other option but --exposed."_s,
         u"FILE"_s},
        {u"exposed"_s, u"With --check: the people exposed outside the plant (GB 18218-2018 表5), for the grade R of a major hazard installation."_s,
         u"N"_s},
    };
}

// The parser with the program's description and options.
void configure(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        u"Searches the catalogue of hazardous chemicals (2015, with entry 2828), drug precursors and explosive "
        u"precursors, as the vorlak window does, and prints the rows tab-separated: the column titles, one line "
        u"per row and the count, 共N条. Only one criterion filters a search: when several are given, the "
        u"strongest wins, from weakest to strongest: name, alias, CAS, batch, English name, hazard, precursor, "
        u"catalogue number."_s);
    parser.addOptions(options());
}

// A whole number from first to last, or the option's error.
int numberIn(const QString& option, const QString& text, int first, int last)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        throw Exception(u"--"_s + option + u" takes a whole number, not \""_s + text + u'"');
    if (value < first || value > last)
        throw Exception(u"--%1 takes a number from %2 to %3, not %4"_s.arg(option).arg(first).arg(last).arg(value));
    return value;
}

} // namespace

QString queryVersion()
{
    return u"vorlak-query " VORLAK_VERSION "\n"_s;
}

QString queryUsage()
{
    return u"usage: vorlak-query [OPTION]...   (vorlak-query --help lists them)\n"
           u"       vorlak-query --check FILE\n"_s;
}

QString queryHelp()
{
    QCommandLineParser parser;
    configure(parser);
    QString help = parser.helpText();
    help.replace(QRegularExpression(u"^Usage: \\S+"_s), u"Usage: vorlak-query"_s);
    return help
           + u"\nExit status:\n"
             u"  0   done (a check exits with 0 whatever it found)\n"
             u"  1   the database refused the statement\n"
             u"  2   the catalogue could not be reached: 数据库无法连接\n"
             u"  64  a bad argument, or an inventory that cannot be read or is not text\n"
             u"\nExamples:\n"
             u"  vorlak-query --name 甲醇                the entries whose 品名 contains 甲醇\n"
             u"  vorlak-query --cas 7664-41-7            the entry of this CAS number\n"
             u"  vorlak-query --hazard 17 --no-limit     every entry classed 急性毒性-经口\n"
             u"  vorlak-query --sql --name 苯            the statement of a search, not run\n"
             u"  vorlak-query --check inventory.xlsx     how each chemical of an inventory is controlled\n"
             u"  vorlak-query --check unit.csv --exposed 120   the same, with S, R and the grade\n"_s;
}

QueryCommand parseQueryCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    configure(parser);
    if (!parser.parse(QStringList{u"vorlak-query"_s} + arguments))
        throw Exception(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        throw Exception(u"unknown argument \""_s + parser.positionalArguments().first() + u'"');

    QueryCommand command;
    if (parser.isSet(u"help"_s)) {
        command.kind = QueryCommand::Action::Help;
        return command;
    }
    if (parser.isSet(u"version"_s)) {
        command.kind = QueryCommand::Action::Version;
        return command;
    }
    if (parser.isSet(u"check"_s)) {
        command.kind = QueryCommand::Action::Check;
        command.checkFile = parser.value(u"check"_s);
        if (command.checkFile.isEmpty())
            throw Exception(u"--check needs a file name, or - for standard input"_s);
        if (parser.isSet(u"exposed"_s))
            command.peopleExposed = numberIn(u"exposed"_s, parser.value(u"exposed"_s), 0, 100000000);
        if (parser.optionNames().size() != (command.peopleExposed ? 2 : 1))
            throw Exception(u"--check takes no other arguments but --exposed"_s);
        return command;
    }

    if (parser.isSet(u"exposed"_s))
        throw Exception(u"--exposed goes with --check"_s);
    SearchCriteria& c = command.criteria;
    c.nameText = parser.value(u"name"_s);
    c.aliasText = parser.value(u"alias"_s);
    c.casText = parser.value(u"cas"_s);
    c.englishNameText = parser.value(u"eng"_s);
    c.exactMatch = parser.isSet(u"exact"_s);
    if (parser.isSet(u"batch"_s))
        c.batchIndex = numberIn(u"batch"_s, parser.value(u"batch"_s), -1, int(batchItems().size()) - 1);
    if (parser.isSet(u"hazard"_s))
        c.hazardIndex = numberIn(u"hazard"_s, parser.value(u"hazard"_s), -1, int(hazardItems().size()) - 1);
    if (parser.isSet(u"precursor"_s))
        c.precursorIndex = numberIn(u"precursor"_s, parser.value(u"precursor"_s), -1, int(precursorItems().size()) - 1);
    if (parser.isSet(u"index-no"_s))
        c.indexNoText = parser.value(u"index-no"_s);
    c.rowLimit = !parser.isSet(u"no-limit"_s);
    if (parser.isSet(u"sql"_s))
        command.kind = QueryCommand::Action::PrintSql;

    // As in the window, the combo box shows the text of the item it selects.
    if (parser.isSet(u"hazard-text"_s))
        c.hazardText = parser.value(u"hazard-text"_s);
    else if (c.hazardIndex >= 0)
        c.hazardText = hazardItems().at(c.hazardIndex);
    return command;
}
