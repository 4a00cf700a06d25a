#include "ResultColumns.h"

using namespace Qt::StringLiterals;

const QList<ResultColumn>& shownResultColumns()
{
    static const QList<ResultColumn> columns = {
        {u"index_id"_s, u"危化目录序号"_s}, {u"name1"_s, u"品名"_s},
        {u"name2"_s, u"别名"_s},            {u"name_eng"_s, u"英文名"_s},
        {u"cas"_s, u"CAS号"_s},             {u"dangtypes"_s, u"危险性类别"_s},
        {u"specialadmin"_s, u"其它特殊监管"_s}, {u"remarks"_s, u"备注"_s},
    };
    return columns;
}
