// The recent-documents rules: where an opened document goes in the list, and
// which entries the "&ReOpen" menu drops when it is built again.

#include <QTest>
#include <set>

#include "app/app_test_registry.h"
#include "app/recent_documents.h"

namespace strandel {

using Paths = std::vector<std::string>;

class RecentDocumentsTest : public QObject {
  Q_OBJECT
private slots:
  void OpenedDocumentGoesToTheTop() {
    struct Case {
      Paths Before;
      std::string Opened;
      Paths After;
    };
    const Case cases[] = {
        {{}, "/m/a.qsd", {"/m/a.qsd"}},
        {{"/m/a.qsd", "/m/b.qsd"}, "/m/c.qsd", {"/m/c.qsd", "/m/a.qsd", "/m/b.qsd"}},
        // Already there: it changes places with the top entry, the rest stay put.
        {{"/m/a.qsd", "/m/b.qsd", "/m/c.qsd", "/m/d.qsd"},
         "/m/c.qsd",
         {"/m/c.qsd", "/m/b.qsd", "/m/a.qsd", "/m/d.qsd"}},
        {{"/m/a.qsd", "/m/b.qsd"}, "/m/a.qsd", {"/m/a.qsd", "/m/b.qsd"}},
    };
    for (const Case& c : cases) {
      Paths recent = c.Before;
      NoteRecentDocument(recent, c.Opened);
      QCOMPARE(recent, c.After);
    }
  }

  void DeadAndRepeatedEntriesAreDropped() {
    const std::set<std::string> existing = {"/m/a.qsd", "/m/b.qsd", "/m/c.qsd"};
    const auto exists = [&existing](const std::string& path) { return existing.count(path) > 0; };
    struct Case {
      Paths Before;
      Paths After;
    };
    const Case cases[] = {
        {{"/m/a.qsd", "/m/gone.qsd", "/m/b.qsd"}, {"/m/a.qsd", "/m/b.qsd"}},
        // Of two equal entries the later one stays, where it stands.
        {{"/m/a.qsd", "/m/b.qsd", "/m/a.qsd", "/m/c.qsd"}, {"/m/b.qsd", "/m/a.qsd", "/m/c.qsd"}},
        {{"/m/gone.qsd", "/m/gone.qsd"}, {}},
        {{}, {}},
    };
    for (const Case& c : cases) {
      Paths recent = c.Before;
      PruneRecentDocuments(recent, exists);
      QCOMPARE(recent, c.After);
    }
  }
};

STRANDEL_APP_TEST(RecentDocumentsTest);

} // namespace strandel

#include "recent_documents_test.moc"
