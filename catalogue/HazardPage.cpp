#include "HazardPage.h"

#include "GhsPictograms.h"
#include "rules/MajorHazard.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace {

const QString kStyle = u"body{font-family:sans-serif;max-width:60em;margin:1em auto;padding:0 1em;color:#000;"
                       u"line-height:1.5}"
                       u"h1{margin-bottom:0}p.cas{margin-top:0;font-size:1.2em}"
                       u"p.note{border:1px solid #999;background:#f4f4f4;padding:.5em}"
                       u"section{border-top:2px solid #000;margin-top:1.5em}"
                       u"table{border-collapse:collapse}th,td{border:1px solid #999;padding:.2em .6em;text-align:left;"
                       u"vertical-align:top}th{background:#eee;white-space:nowrap}"
                       u"div.pictograms{display:flex;flex-wrap:wrap;gap:1em}"
                       u"figure.pictogram{margin:0;text-align:center;width:10em}"
                       u"p.signal strong{font-size:1.4em}span.code{font-weight:bold;margin-right:.5em}"
                       u"@media print{body{max-width:none;margin:0}section{break-inside:avoid}"
                       u"p.note{background:none}}"
                       u"@page{size:A4;margin:15mm}"_s;

QString html(const QString& text)
{
    return text.toHtmlEscaped();
}

QString row(const QString& title, const QString& value)
{
    return u"<tr><th>"_s + title + u"</th><td>"_s + (value.isEmpty() ? u"—"_s : html(value)) + u"</td></tr>\n"_s;
}

QString yesOr(bool yes, const QString& what)
{
    return yes ? what : u"否"_s;
}

QString status(const CatalogueRow& e)
{
    return u"<h3>监管要求</h3>\n<table class=\"status\">\n"_s + row(u"剧毒化学品"_s, yesOr(e.highlyToxic, u"是"_s))
           + row(u"易制爆危险化学品"_s, yesOr(e.explosive, u"是"_s))
           + row(u"易制毒化学品"_s, yesOr(e.drugClass > 0, drugClassName(e.drugClass)))
           + row(u"重点监管危险化学品"_s, yesOr(e.batch > 0, batchName(e.batch)))
           + row(u"特别管控危险化学品"_s,
                 yesOr(e.specialControl, e.specialControlGroup.isEmpty() ? u"是"_s : u"是（"_s + e.specialControlGroup + u'）'))
           + u"</table>\n"_s
           + (e.specialControlScope.isEmpty() ? QString()
                                              : u"<p class=\"scope\">特别管控的范围："_s + html(e.specialControlScope) + u"</p>\n"_s);
}

QString categories(const QStringList& categories)
{
    if (categories.isEmpty())
        return u"<h3>危险性类别</h3>\n<p>目录未列出危险性类别。</p>\n"_s;
    QString out = u"<h3>危险性类别</h3>\n<ul class=\"categories\">\n"_s;
    for (const QString& category : categories)
        out += u"<li>"_s + html(category) + u"</li>\n"_s;
    return out + u"</ul>\n"_s;
}

QString label(const LabelElements& label)
{
    QString out = u"<h3>GHS标签要素</h3>\n"_s;
    if (label.statements.isEmpty())
        return out + u"<p>没有可推导的标签要素。</p>\n"_s;
    out += u"<div class=\"pictograms\">\n"_s;
    for (const QString& code : label.pictograms)
        out += pictogramSvg(code) + u'\n';
    if (label.pictograms.isEmpty())
        out += u"<p>无象形图</p>\n"_s;
    out += u"</div>\n<p class=\"signal\">信号词：<strong>"_s
           + (label.signalWord.isEmpty() ? u"无"_s : html(label.signalWord)) + u"</strong></p>\n"_s;
    out += u"<h4>危险说明</h4>\n<ul class=\"statements\">\n"_s;
    for (const HazardStatement& statement : label.statements)
        out += u"<li><span class=\"code\">"_s + statement.code + u"</span>"_s + html(statement.text) + u"</li>\n"_s;
    return out + u"</ul>\n"_s;
}

QString majorHazard(const QList<MajorHazardThreshold>& thresholds)
{
    QString out = u"<h3>重大危险源临界量（GB 18218-2018）</h3>\n"_s;
    if (thresholds.isEmpty())
        return out + u"<p>GB 18218-2018表1未列名，其危险性类别也不在表2之列：不计入重大危险源辨识。</p>\n"_s;
    const bool named = thresholds.first().basis.startsWith(u"表1"_s);
    out += named ? u"<p>GB 18218-2018表1列名的危险化学品：</p>\n"_s
                 : u"<p>GB 18218-2018表1未列名，按危险性类别取表2的临界量：</p>\n"_s;
    out += u"<table class=\"thresholds\">\n<tr><th>依据</th><th>"_s + (named ? u"品名"_s : u"类别"_s)
           + u"</th><th>临界量（t）</th>"_s + (named ? QString() : u"<th>适用条件</th>"_s) + u"</tr>\n"_s;
    for (const MajorHazardThreshold& t : thresholds)
        out += u"<tr><td>"_s + html(t.basis) + u"</td><td>"_s + html(t.what) + u"</td><td>"_s + html(t.tonnes)
               + u"</td>"_s + (named ? QString() : u"<td>"_s + (t.condition.isEmpty() ? u"—"_s : html(t.condition)) + u"</td>"_s)
               + u"</tr>\n"_s;
    out += u"</table>\n"_s;
    if (thresholds.size() > 1)
        out += u"<p>适用哪一行取决于形态、条件等本页没有的信息；无法判断时，计算取最小的临界量 "_s
               + html(smallestThreshold(thresholds)->tonnes) + u" t。</p>\n"_s;
    return out;
}

QString entrySection(const CatalogueRow& e, const GhsLabelTable& labels)
{
    const QString heading = e.indexId.isEmpty() ? u"未列入《危险化学品目录》的管制品"_s : u"危化目录序号 "_s + html(e.indexId);
    QString out = u"<section>\n<h2>"_s + heading + u"</h2>\n<table class=\"identity\">\n"_s;
    out += row(u"品名"_s, e.name) + row(u"别名"_s, e.aliasList().join(u"；"_s)) + row(u"英文名"_s, e.englishName)
           + row(u"CAS号"_s, e.cas) + u"</table>\n"_s;
    out += status(e) + categories(e.hazardList()) + label(combineLabels(labels, e.hazardList(), e.refrigeratedGas()))
           + majorHazard(e.majorHazard);
    return out + u"</section>\n"_s;
}

} // namespace

QString hazardPageHtml(const QString& cas, const std::vector<const CatalogueRow*>& entries,
                       const GhsLabelTable& labels, const QDate& built)
{
    const QString name = entries.empty() ? QString() : entries.front()->name;
    QString out = u"<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>"_s + html(name)
                  + u" "_s + html(cas) + u" 危险性概述</title>\n<style>"_s + kStyle + u"</style>\n</head>\n<body>\n"_s;
    out += u"<h1>"_s + html(name) + u"</h1>\n<p class=\"cas\">CAS号 "_s + html(cas) + u"</p>\n"_s;
    out += u"<p class=\"note\">本页不是完整的化学品安全技术说明书（MSDS/SDS）：它列出本品在《危险化学品目录（2015版）》"
           u"中的危险性类别和监管要求，并按GHS规则（GB 30000系列）由危险性类别推导出标签要素，"
           u"不能代替供应商提供的安全技术说明书。规则版本："_s
           + html(labels.edition()) + u"。生成日期："_s + built.toString(Qt::ISODate) + u"。</p>\n"_s;
    for (const CatalogueRow* entry : entries)
        out += entrySection(*entry, labels);
    return out + u"</body>\n</html>\n"_s;
}

RowsTable hazardPageIndex(const std::vector<CatalogueRow>& entries)
{
    RowsTable index;
    index.columns = {u"cas"_s, u"html_file"_s};
    QSet<QString> seen;
    for (const CatalogueRow& e : entries)
        if (!e.cas.isEmpty() && !seen.contains(e.cas)) {
            seen.insert(e.cas);
            index.rows.append({e.cas, e.cas});
        }
    return index;
}
