#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

struct sqlite3;

// The catalogue connection. It keeps the connection string as it is given and
// opens the data source it names through ODBC when the driver manager defines
// one, else the embedded catalogue file, read-only, through SQLite's library.
class Connection : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString ConnectionString READ ConnectionString WRITE SetConnectionString)
    Q_PROPERTY(bool LoginPrompt READ LoginPrompt WRITE SetLoginPrompt)

public:
    explicit Connection(QObject* parent = nullptr);
    ~Connection() override;

    const QString& ConnectionString() const { return connectionString_; }
    void SetConnectionString(const QString& text) { connectionString_ = text; }

    // Never asks the user for a name or password; kept for the stored layout.
    bool LoginPrompt() const { return loginPrompt_; }
    void SetLoginPrompt(bool prompt) { loginPrompt_ = prompt; }

    // The catalogue file opened when no data source of the given name exists.
    const QString& EmbeddedDatabase() const { return embeddedDatabase_; }
    void SetEmbeddedDatabase(const QString& path) { embeddedDatabase_ = path; }

    // The ODBC connection string of the data source Open() uses; empty when
    // the driver manager defines none and the embedded file is opened.
    QString DataSourceConnectionString() const;

    // Opens the connection; does nothing when it is open. Raises
    // DatabaseError with the driver's message (never the password).
    void Open();
    void Close();
    bool Connected() const;

    // The open Qt connection to the data source, for queries over it.
    QSqlDatabase Database() const;
    // The open embedded catalogue, or null when the data source is open.
    sqlite3* EmbeddedHandle() const { return embedded_; }

private:
    QString WithoutPassword(QString message) const;
    void OpenDataSource(const QString& odbcConnectionString);

    QString connectionString_;
    bool loginPrompt_ = false;
    QString embeddedDatabase_;
    QString qtConnectionName_;
    sqlite3* embedded_ = nullptr;
};
