#include "ResultColumns.h"

const QList<ResultColumn>& ShownResultColumns()
{
    static const QList<ResultColumn> columns = {
        {u"index_id"_qs, u"危化目录序号"_qs}, {u"name1"_qs, u"品名"_qs},
        {u"name2"_qs, u"别名"_qs},            {u"name_eng"_qs, u"英文名"_qs},
        {u"cas"_qs, u"CAS号"_qs},             {u"dangtypes"_qs, u"危险性类别"_qs},
        {u"specialadmin"_qs, u"其它特殊监管"_qs}, {u"remarks"_qs, u"备注"_qs},
    };
    return columns;
}
