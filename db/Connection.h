#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

class RowSink;
struct sqlite3;

// The catalogue connection. It keeps the connection string as it is given and
// opens the data source it names through ODBC when the driver manager defines
// one, else the embedded catalogue file, read-only, through SQLite's library.
class Connection : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString ConnectionString READ connectionString WRITE setConnectionString)
    Q_PROPERTY(bool LoginPrompt READ loginPrompt WRITE setLoginPrompt)

public:
    explicit Connection(QObject* parent = nullptr);
    ~Connection() override;

    const QString& connectionString() const { return connectionString_; }
    void setConnectionString(const QString& text) { connectionString_ = text; }

    // Never asks the user for a name or password; kept for the stored layout.
    bool loginPrompt() const { return loginPrompt_; }
    void setLoginPrompt(bool prompt) { loginPrompt_ = prompt; }

    // The catalogue file opened when no data source of the given name exists.
    const QString& embeddedDatabase() const { return embeddedDatabase_; }
    void setEmbeddedDatabase(const QString& path) { embeddedDatabase_ = path; }

    // The ODBC connection string of the data source open() uses; empty when
    // the driver manager defines none and the embedded file is opened.
    QString dataSourceConnectionString() const;

    // Opens the connection; does nothing when it is open. Raises
    // DatabaseError with the driver's message (never the password).
    void open();
    void close();
    bool connected() const;

    // Runs a statement on the open connection and hands its rows to the sink
    // as they are read. Raises DatabaseError with the driver's message; a
    // server found gone is closed, so that the next search connects again.
    void run(const QString& statement, RowSink& rows);

    // The open Qt connection to the data source, for queries over it.
    QSqlDatabase database() const;

private:
    QString withoutPassword(QString message) const;
    void openDataSource(const QString& odbcConnectionString);

    QString connectionString_;
    bool loginPrompt_ = false;
    QString embeddedDatabase_;
    QString qtConnectionName_;
    sqlite3* embedded_ = nullptr;
    bool narrowTextIsUtf8_ = false;
};
