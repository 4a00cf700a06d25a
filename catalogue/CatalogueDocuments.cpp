#include "CatalogueDocuments.h"

using namespace Qt::StringLiterals;

namespace {

QStringList preface(const QDate& made)
{
    return {u"本文件由本程序根据其内置的目录数据生成，不是官方发布的文本；内容以主管部门正式公布的名录为准。"_s,
            u"数据来源（详见程序源代码 catalogue/SOURCES.md）：《危险化学品目录（2015版）》及危险化学品分类信息表、"
            u"《易制爆危险化学品名录（2017年版）》、《易制毒化学品的分类和品种目录》及其增补、"
            u"首批和第二批重点监管的危险化学品名录。"_s,
            u"生成日期："_s + made.toString(Qt::ISODate) + u"。"_s};
}

bool listed(const CatalogueRow& row)
{
    return !row.indexId.isEmpty();
}

} // namespace

Document catalogueDocument(const std::vector<CatalogueRow>& rows, const QDate& made)
{
    Document document{u"危险化学品目录（2015版）"_s, preface(made), {}};
    DocumentPart part;
    part.table.titles = {u"序号"_s, u"品名"_s, u"别名"_s, u"CAS号"_s};
    part.table.widths = {8, 36, 40, 16};
    for (const CatalogueRow& row : rows)
        if (listed(row))
            part.table.rows.append({row.indexId, row.name, row.aliasList().join(u"；"_s), row.cas});
    document.parts.append(part);
    return document;
}

QList<QStringList> catalogueSheet(const std::vector<CatalogueRow>& rows, const QDate& made)
{
    QList<QStringList> sheet;
    for (const QString& line : preface(made))
        sheet.append({line});
    sheet.append(QStringList());
    sheet.append({u"序号"_s, u"品名"_s, u"别名"_s, u"英文名"_s, u"CAS号"_s, u"危险性类别"_s});
    for (const CatalogueRow& row : rows)
        if (listed(row))
            sheet.append({row.indexId, row.name, row.aliasList().join(u"；"_s), row.englishName, row.cas, row.hazards});
    return sheet;
}

Document drugPrecursorDocument(const std::vector<CatalogueRow>& rows, const QDate& made)
{
    Document document{u"易制毒化学品的分类和品种目录"_s, preface(made), {}};
    const QString classNotes[] = {QString(), u"第一类：主要用于制造毒品的原料。"_s, u"第二类、第三类：主要用于制造毒品的配剂。"_s,
                                  QString()};
    for (int drugClass = 1; drugClass <= 3; ++drugClass) {
        DocumentPart part;
        part.heading = drugClassName(drugClass);
        if (!classNotes[drugClass].isEmpty())
            part.paragraphs.append(classNotes[drugClass]);
        part.table.titles = {u"序号"_s, u"品名"_s, u"CAS号"_s, u"危化目录序号"_s};
        part.table.widths = {8, 52, 20, 20};
        int number = 0;
        for (const CatalogueRow& row : rows) {
            if (row.drugClass != drugClass)
                continue;
            // An item with a row for each of its CAS numbers is one item of the list.
            QList<QStringList>& items = part.table.rows;
            if (!items.isEmpty() && items.last().at(1) == row.name && items.last().at(3) == row.indexId)
                items.last()[2] += u"；"_s + row.cas;
            else
                items.append({QString::number(++number), row.name, row.cas, row.indexId});
        }
        document.parts.append(part);
    }
    return document;
}

Document explosivePrecursorDocument(const std::vector<CatalogueRow>& rows, const QDate& made)
{
    Document document{u"易制爆危险化学品名录（2017年版）"_s, preface(made), {}};
    DocumentPart part;
    part.table.titles = {u"序号"_s, u"品名"_s, u"别名"_s, u"CAS号"_s, u"危化目录序号"_s};
    part.table.widths = {7, 33, 30, 16, 14};
    int number = 0;
    for (const CatalogueRow& row : rows)
        if (row.explosive)
            part.table.rows.append(
                {QString::number(++number), row.name, row.aliasList().join(u"；"_s), row.cas, row.indexId});
    part.paragraphs.append(u"本名录所列易制爆危险化学品共%1种。"_s.arg(number));
    document.parts.append(part);
    return document;
}

Document usageDocument(const QDate& made, const QByteArray& inventoryPagePng)
{
    Document document{u"危险化学品名录查询软件 安装及使用说明"_s, preface(made), {}};
    document.parts = {
        {u"一、安装与启动"_s,
         {u"在新安装的 Debian 12 计算机上，以 root 身份在源代码目录执行 make run：程序会安装所需的软件包、编译并启动。"
          u"编译结果在 build 目录中：主程序 vorlak、命令行程序 vorlak-query、内置目录数据库 vorlak.db、设置文件 Config.Ini、"
          u"危险性概述网页目录 msds、文档目录 doc 和本说明。"_s,
          u"程序启动两秒后连接目录数据库并显示前200条记录。若显示“数据库无法连接”，说明目录数据库无法打开；窗口仍可使用，"
          u"下一次查找时会重新连接。"_s},
         {}},
        {u"二、查找"_s,
         {u"在“查询”页上输入或选择条件，在文本框中按回车或点击“查找”即开始查找；“清空”将全部条件恢复为初始值。"_s,
          u"品名、别名、英文名：查找包含所输入文字的记录；勾选“精确匹配”时只查找完全相同的记录。CAS号：总是精确匹配。"_s,
          u"重点监管批次：全部重点监管、首批或第二批。危险性类别：从列表中选择或直接输入文字，查找危险性类别中含有该文字的记录。"_s,
          u"易制毒制爆：全部易制毒化学品、第一类、第二类、第三类或易制爆化学品。危化目录序号：输入数字查找该序号，"
          u"输入0表示不按序号查找；输入非数字时提示“序号必须是数字”。"_s,
          u"同时给出多个条件时只有最强的一个起作用，由弱到强依次为：品名、别名、CAS号、重点监管批次、英文名、危险性类别、"
          u"易制毒制爆、危化目录序号。未勾选“显示全部”时最多显示200条记录。"_s},
         {}},
        {u"三、查找结果"_s,
         {u"结果表格的前四列固定不动，其余各列可左右滚动；左侧的箭头标出当前记录，记录隔行着色，表格底部显示记录条数，"
          u"例如“共200条”。方向键、Home/End、Page Up/Page Down 和鼠标滚轮移动当前记录和列；再次单击当前单元格可选择并复制其文字。"
          u"拖动列标题的右边界可调整列宽，拖动列标题可移动列。表格不修改任何数据。"_s,
          u"按 Ctrl+F 打开查找对话框，可在当前列或全部列中查找文字。"_s},
         {}},
        {u"四、危险性概述（查看MSDS资料）"_s,
         {u"在记录上单击右键，选择“查看MSDS资料”，即在浏览器中打开该CAS号的危险性概述网页：列出品名、别名、英文名、CAS号、"
          u"监管要求（剧毒、易制爆、易制毒及其类别、重点监管及其批次、特别管控及其类别和范围）、危险性类别，"
          u"按GHS规则推导出的象形图、信号词和危险说明，以及GB 18218-2018规定的重大危险源临界量（表1列名的，或按危险性类别取表2的，"
          u"并注明适用条件）。"
          u"该网页不是完整的化学品安全技术说明书，不能代替供应商提供的安全技术说明书。"_s,
          u"网页的地址由 Config.Ini 中 [HTTP] 节的 MsdsURL 加上网页文件名和“.html”组成；网页也可放在网站上，"
          u"将 MsdsURL 改为该网站的地址即可。"_s},
         {}},
        {u"五、附录"_s,
         {u"“附录”页上的链接打开 doc 目录中的文档：危险化学品目录（2015版）、危险化学品目录（含2828类）表格、"
          u"易制毒化学品目录和易制爆危险化学品名录。这些文档均由本程序根据其目录数据生成，不是官方发布的文本。"_s},
         {}},
        {u"六、清单核查"_s,
         {u"“清单核查”页一次核对一整份化学品清单。点击“打开清单…”打开Excel工作簿（.xlsx或.xls，读取第一个工作表）、"
          u"CSV文件或文本文件，或点击“粘贴”读取剪贴板中的清单（例如从电子表格中复制的单元格）。第一列是化学品"
          u"（CAS号、中文名称、别名或英文名）；标题为“数量”“数量(t)”“数量(kg)”或“quantity”的列是数量，没有这样的标题时取第二列；"
          u"标题行会被识别并跳过。"_s,
          u"表格中每个化学品匹配到的每个目录条目占一行，列出匹配方式、危化目录序号、品名、CAS号、剧毒、易制爆、易制毒、"
          u"重点监管、特别管控、数量、临界量及其依据、q/Q和危险性类别；前两列固定不动，表格底部显示清单的项数。"
          u"表格下方是统计和重大危险源辨识的结果，与 vorlak-query --check 输出的文字完全相同。"
          u"填写“厂外暴露人数”后点击“核查”，对构成重大危险源的单元给出R和分级。在行上单击右键，选择“查看MSDS资料”可打开其危险性概述网页。"_s,
          u"点击“导出…”可将核查结果保存为Excel工作簿（标题行冻结，数字保存为数字，统计在表格下方）或UTF-8编码的CSV文件。"
          u"无法读取的文件（如设有密码保护或已损坏的工作簿）、没有化学品的清单和不正确的人数会弹出提示，页面保持不变。"_s},
         {},
         inventoryPagePng},
        {u"七、命令行程序 vorlak-query"_s,
         {u"vorlak-query 以同样的条件在命令行查找，例如 vorlak-query --name 甲醇、vorlak-query --cas 7664-41-7，"
          u"输出以制表符分隔的列标题、记录和“共N条”。"_s,
          u"vorlak-query --check 文件名 以与“清单核查”页相同的方式核对一份化学品清单（工作簿、CSV或文本，每行一个CAS号、中文名称、别名或英文名），"
          u"对每一行列出匹配方式、危化目录序号、品名、CAS号、剧毒、易制爆、易制毒、重点监管、特别管控、数量、临界量及其依据、"
          u"q/Q和危险性类别，最后给出统计。"_s,
          u"清单的一行可在化学品之后给出数量（第二个字段，或空格之后，例如“甲醇 12.5 t”“7664-41-7 800 kg”，只写数字按吨计）。"
          u"给出数量时，程序按GB 18218-2018计算 S = Σq/Q：Q取表1的临界量，未列入表1的取其危险性类别对应的表2中最小的临界量"
          u"（适用条件取决于形态、沸点、工艺条件等目录中没有的信息，取最小值是偏于安全的做法，并在“依据”中注明）；"
          u"S ≥ 1 时构成重大危险源。无法确定临界量或无法识别数量的行逐行列出，不会被静默略去。"
          u"加 --exposed 人数 时，对 S ≥ 1 的单元计算 R = α·Σβ·q/Q 并给出一级至四级；β取表3，"
          u"未列入表3的取其危险性类别对应的表4中最大的值。"_s,
          u"注意：S 和 R 针对一个生产单元或储存单元计算，清单应只列一个单元的化学品及其最大存量；单元的划分由使用者确定，"
          u"程序不作判断。"_s},
         {}},
        {u"八、数据来源"_s,
         {u"目录数据来自《危险化学品目录（2015版）》及其分类信息表、《易制爆危险化学品名录（2017年版）》、"
          u"《易制毒化学品的分类和品种目录》及其增补、首批和第二批重点监管的危险化学品名录、《特别管控危险化学品目录（第一版）》"
          u"（2020年）和 GB 18218-2018《危险化学品重大危险源辨识》，英文名来自各国化学品名录；"
          u"来源和转换规则详见源代码中的 catalogue/SOURCES.md。"_s},
         {}},
    };
    return document;
}
