#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <map>
#include <set>

// Catalogue entries by their CAS numbers and by the names and aliases a list
// may use for them, compared as matchingName compares.
class EntryIndex {
public:
    struct Entry {
        int number = 0;
        QString name;
        QStringList aliases;
        QStringList casNumbers;
    };

    explicit EntryIndex(const QList<Entry>& entries);

    std::set<int> byCas(const QString& cas) const;
    std::set<int> byName(const QString& name) const;
    // A whole name first; failing that, a name without its bracketed
    // qualifier, on either side ("天然气" for "天然气[富含甲烷的]").
    std::set<int> byNameOrBaseName(const QString& name) const;
    const Entry& at(int number) const { return entries_.at(number); }

private:
    using Map = std::map<QString, std::set<int>>;
    static std::set<int> lookup(const Map& map, const QString& key);

    std::map<int, Entry> entries_;
    Map byCas_;
    Map byName_;
    Map byBaseName_;
};
