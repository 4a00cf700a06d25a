#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

// The catalogue connection. It keeps the connection string as it is given and
// opens it through ODBC: the data source it names when the driver manager
// defines one, else the embedded catalogue file, read-only.
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

    // The ODBC connection string Open() uses.
    QString EffectiveOdbcConnectionString() const;

    // Opens the connection; does nothing when it is open. Raises
    // DatabaseError with the driver's message (never the password).
    void Open();
    void Close();
    bool Connected() const;

    // The open Qt connection, for queries over it.
    QSqlDatabase Database() const;

private:
    QString WithoutPassword(QString message) const;

    QString connectionString_;
    bool loginPrompt_ = false;
    QString embeddedDatabase_;
    QString qtConnectionName_;
};
