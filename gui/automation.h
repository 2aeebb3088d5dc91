#pragma once
// The automation object "Zorv.Application": a per-user local socket. While a client is
// connected the window is held by it (AutoProxy): the close box only hides the window.
// A client may send the line "show" to bring the window back.

#include <QLocalServer>
#include <QObject>
#include <QSet>

namespace zorv {

class CZorvDlg;

class AutomationServer : public QObject {
  Q_OBJECT
 public:
  explicit AutomationServer(CZorvDlg& window, QObject* parent = nullptr);
  // Listens on the per-user socket; false (and the reason in errorText) when it cannot.
  bool listen();
  QString errorText() const { return server_.errorString(); }
  static QString socketName();
  int clients() const { return clients_.size(); }

 private:
  void update();
  CZorvDlg& window_;
  QLocalServer server_;
  QSet<QLocalSocket*> clients_;
};

}  // namespace zorv
