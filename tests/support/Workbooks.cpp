#include "Workbooks.h"

#include "QueryProgram.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <xlsxwriter.h>
#include <zip.h>

using namespace Qt::StringLiterals;

void writeWorkbook(const QString& path, const QList<QVariantList>& rows, bool inlineStrings)
{
    lxw_workbook_options options{};
    options.constant_memory = inlineStrings ? LXW_TRUE : LXW_FALSE;
    lxw_workbook* book = workbook_new_opt(QFile::encodeName(path).constData(), &options);
    ASSERT_NE(book, nullptr);
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) {
            const QVariant& value = rows[r][c];
            if (value.typeId() == QMetaType::QString)
                worksheet_write_string(sheet, lxw_row_t(r), lxw_col_t(c), value.toString().toUtf8().constData(), nullptr);
            else if (value.isValid())
                worksheet_write_number(sheet, lxw_row_t(r), lxw_col_t(c), value.toDouble(), nullptr);
        }
    ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);
}

QString convertWithLibreOffice(const QString& path, const QString& filter, const QString& extension)
{
    const QFileInfo source(path);
    // A profile of its own, so that no other office instance is in the way.
    const QString profile = QDir(source.absolutePath()).filePath(u".office-profile"_s);
    const ProgramResult converted = runProgram(
        u"soffice"_s, {u"-env:UserInstallation=file://"_s + profile, u"--headless"_s, u"--norestore"_s, u"--convert-to"_s,
                       filter, u"--outdir"_s, source.absolutePath(), source.absoluteFilePath()});
    const QString target = QDir(source.absolutePath()).filePath(source.completeBaseName() + u'.' + extension);
    EXPECT_EQ(converted.exitCode, 0) << converted.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(target)) << converted.out.toStdString() << converted.err.toStdString();
    return target;
}

QByteArray zipMember(const QString& archive, const QString& member)
{
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY, &error);
    if (!zip)
        return {};
    QByteArray bytes;
    zip_stat_t stat;
    if (zip_stat(zip, member.toUtf8().constData(), 0, &stat) == 0)
        if (zip_file_t* file = zip_fopen(zip, member.toUtf8().constData(), 0)) {
            bytes.resize(qsizetype(stat.size));
            bytes.resize(qsizetype(std::max<zip_int64_t>(0, zip_fread(file, bytes.data(), stat.size))));
            zip_fclose(file);
        }
    zip_close(zip);
    return bytes;
}
