#include "gui/automation.h"

#include <QDir>
#include <QLocalSocket>
#include <unistd.h>

#include "gui/zorv_dlg.h"

namespace zorv {

AutomationServer::AutomationServer(CZorvDlg& window, QObject* parent) : QObject(parent), window_(window) {
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* s = server_.nextPendingConnection()) {
      clients_.insert(s);
      connect(s, &QLocalSocket::disconnected, this, [this, s] {
        clients_.remove(s);
        s->deleteLater();
        update();
      });
      connect(s, &QLocalSocket::readyRead, this, [this, s] {
        while (s->canReadLine()) {
          if (s->readLine().trimmed() == "show") window_.show();
        }
        if (s->bytesAvailable() > 256) s->readAll();  // a client that never ends its line
      });
    }
    update();
  });
}

QString AutomationServer::socketName() {
  QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (dir.isEmpty() || !QDir(dir).exists()) return QDir::tempPath() + "/Zorv.Application-" + QString::number(::getuid());
  return dir + "/Zorv.Application";
}

bool AutomationServer::listen() {
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  if (server_.listen(socketName())) return true;
  // A socket left by a run that did not end cleanly: take it over.
  QLocalServer::removeServer(socketName());
  return server_.listen(socketName());
}

void AutomationServer::update() {
  const bool held = !clients_.isEmpty();
  window_.core().st.AutoProxy = held;
  // The last client let go of a window the user had already closed: the program ends.
  if (!held && !window_.isVisible()) window_.endWindow(false);
}

}  // namespace zorv
