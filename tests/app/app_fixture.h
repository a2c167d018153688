#pragma once
// The program started as a user starts it, in a folder of its own: the
// preferences live in a private configuration folder, documents in a
// private temporary folder.
#include "app/app.h"
#include "app/globali.h"
#include "editor/fin_forme.h"
#include "gdl/esportazione.h"
#include "model/documento.h"
#include "model/forme.h"
#include "model/geometria.h"
#include "platform/beep.h"
#include "support/dialog_script.h"
#include "support/program_state.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class AppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        testsupport::resetProgramState();
        // Every test has its own configuration folder, so tests running side
        // by side never share a preferences file.
        qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toLocal8Bit());
    }

    void avvia(const QStringList& documents = {})
    {
        App::startUp(documents);
        testsupport::processEvents();
        platform::resetBeepCount();
    }

    QString percorso(const QString& name) const { return m_dir.filePath(name); }

    static void scrivi(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    static QByteArray leggi(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void poni(ElementTable& table, int& count, const std::vector<ElementRow>& rows)
    {
        count = static_cast<int>(rows.size());
        table.redim(count);
        for (int r = 0; r < count; ++r)
            table.row(r) = rows[static_cast<std::size_t>(r)];
    }
    static std::vector<ElementRow> righe(const ElementTable& table, int count)
    {
        return std::vector<ElementRow>(table.rows().begin(), table.rows().begin() + count);
    }

    // A drawn chain of three elements, marked modified as drawing marks it.
    static void disegna()
    {
        poni(Forme::polilinea, Forme::poli_q,
             {{0, 0, 0, 30, 0, 0, 0}, {2, 30, 0, 20, 20, 0, 0}, {1, 50, 20, 0, 40, 0, 5}});
        Forme::poli_d = Forme::poli_q;
        Globali::setModificato(true);
    }

    // Everything a document holds and what goes with it, to tell whether
    // anything changed.
    struct Stato {
        QByteArray documento;
        QString file;
        bool modificato;
        int poli_d;
        bool operator==(const Stato&) const = default;
    };
    static Stato stato()
    {
        return {documento::documentBytes(documento::currentDocument()), Globali::fileattuale, Globali::filemodificato,
                Forme::poli_d};
    }

private:
    QTemporaryDir m_dir;
};
