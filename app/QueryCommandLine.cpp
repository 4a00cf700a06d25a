#include "QueryCommandLine.h"

#include "platform/Errors.h"

using namespace Qt::StringLiterals;

namespace {

int IntegerValue(const QString& option, const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        throw Exception(option + u" takes a whole number, not \""_s + text + u'"');
    return value;
}

} // namespace

QString QueryUsage()
{
    return u"usage: vorlak-query [--name T] [--alias T] [--cas T] [--eng T] [--exact]\n"
           u"                    [--batch N] [--hazard N] [--hazard-text T] [--precursor N]\n"
           u"                    [--index-no T] [--no-limit] [--sql]\n"
           u"       vorlak-query --check FILE   (one chemical per line; - reads standard input)\n"_s;
}

QueryCommand ParseQueryCommandLine(const QStringList& arguments)
{
    QueryCommand command;
    SearchCriteria& c = command.Criteria;
    bool hazardTextGiven = false;

    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments.at(i);
        auto value = [&]() -> QString {
            if (i + 1 >= arguments.size())
                throw Exception(option + u" needs a value"_s);
            return arguments.at(++i);
        };
        if (option == u"--name")
            c.NameText = value();
        else if (option == u"--alias")
            c.AliasText = value();
        else if (option == u"--cas")
            c.CasText = value();
        else if (option == u"--eng")
            c.EnglishNameText = value();
        else if (option == u"--exact")
            c.ExactMatch = true;
        else if (option == u"--batch")
            c.BatchIndex = IntegerValue(option, value());
        else if (option == u"--hazard")
            c.HazardIndex = IntegerValue(option, value());
        else if (option == u"--hazard-text") {
            c.HazardText = value();
            hazardTextGiven = true;
        } else if (option == u"--precursor")
            c.PrecursorIndex = IntegerValue(option, value());
        else if (option == u"--index-no")
            c.IndexNoText = value();
        else if (option == u"--no-limit")
            c.RowLimit = false;
        else if (option == u"--sql")
            command.PrintSqlOnly = true;
        else if (option == u"--check") {
            command.CheckFile = value();
            if (command.CheckFile.isEmpty())
                throw Exception(u"--check needs a file name, or - for standard input"_s);
            if (arguments.size() != 2)
                throw Exception(u"--check takes no other arguments"_s);
        }
        else
            throw Exception(u"unknown argument \""_s + option + u'"');
    }

    // As in the window, the combo box shows the text of the item it selects.
    if (!hazardTextGiven && c.HazardIndex >= 0 && c.HazardIndex < HazardItems().size())
        c.HazardText = HazardItems().at(c.HazardIndex);
    return command;
}
