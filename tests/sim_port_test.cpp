// SimPort: the window's serial port bound to the simulated controller in memory. What matters
// to the window: nothing arrives inside write(), every controller write is one receive event,
// handlers may write while handling, and a vanished controller is reported once.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/sim_port.h"

namespace zorv::sim {
namespace {

std::string text(const std::vector<uint8_t>& b) { return std::string(b.begin(), b.end()); }

struct Recorder {
  std::vector<std::string> events;
  std::vector<std::string> lost;

  void attach(SimPort& port) {
    port.onReceive = [this, &port] { events.push_back(text(port.readAll())); };
    port.onLost = [this](const std::string& reason) { lost.push_back(reason); };
  }
};

TEST(SimPort, WritesToAClosedPortAreDropped) {
  SimPort port;
  port.write("?C\r");
  EXPECT_EQ(port.written(), "");
  EXPECT_EQ(port.controller().bytesReceived(), 0u);
  EXPECT_EQ(port.deliverAll(), 0);
}

TEST(SimPort, OpenFailsWithAReason) {
  struct Case {
    int port;
    bool failOpen;
    bool opens;
  } cases[] = {{1, false, true}, {20, false, true}, {0, false, false}, {21, false, false}, {3, true, false}};
  for (const Case& k : cases) {
    SimPort port;
    port.setPortNumber(k.port);
    port.failOpen = k.failOpen;
    EXPECT_EQ(port.open(), k.opens) << "port " << k.port;
    EXPECT_EQ(port.isOpen(), k.opens);
    EXPECT_EQ(port.errorText().empty(), k.opens) << "port " << k.port;
    EXPECT_EQ(port.portNumber(), k.port);
  }
  SimPort port;
  port.failOpen = true;
  port.open();
  EXPECT_EQ(port.errorText(), "No such file or directory");
}

TEST(SimPort, AnswerArrivesOnlyWhenDelivered) {
  SimPort port;
  Recorder r;
  r.attach(port);
  ASSERT_TRUE(port.open());
  port.write("?V\r");
  EXPECT_TRUE(r.events.empty()) << "nothing may arrive inside write()";
  EXPECT_EQ(port.pendingEvents(), 1u);
  EXPECT_TRUE(port.deliverOne());
  EXPECT_FALSE(port.deliverOne());
  EXPECT_EQ(r.events, std::vector<std::string>{"?V\r 2015\r\n"});
  EXPECT_EQ(port.written(), "?V\r");
  EXPECT_TRUE(port.readAll().empty()) << "readAll empties the input";
}

TEST(SimPort, BytesWaitInTheInputUntilRead) {
  SimPort port;
  int events = 0;
  port.onReceive = [&] { ++events; };  // a handler that reads nothing
  ASSERT_TRUE(port.open());
  port.controller().faults.splitAt = {4};
  port.write("?V\r");
  EXPECT_EQ(port.deliverAll(), 2);
  EXPECT_EQ(events, 2);
  EXPECT_EQ(text(port.readAll()), "?V\r 2015\r\n");
}

TEST(SimPort, SplitAnswerArrivesAsSeparateEvents) {
  SimPort port;
  Recorder r;
  r.attach(port);
  ASSERT_TRUE(port.open());
  port.controller().faults.splitAt = {3, 7};
  port.write("?V\r");
  EXPECT_EQ(port.deliverAll(), 3);
  EXPECT_EQ(r.events, (std::vector<std::string>{"?V\r", " 201", "5\r\n"}));
}

// The read-back runs as a chain: each answer's handler sends the next query.
TEST(SimPort, HandlersThatWriteKeepTheChainGoing) {
  SimPort port;
  const std::string chain = "CABDE";
  std::vector<std::string> answers;
  port.onReceive = [&] {
    const std::string answer = text(port.readAll());
    answers.push_back(answer);
    const size_t at = chain.find(answer[1]);
    if (at + 1 < chain.size()) port.write(std::string{'?', chain[at + 1], '\r'});
  };
  ASSERT_TRUE(port.open());
  port.write("?C\r");
  EXPECT_EQ(port.deliverAll(), 5);
  EXPECT_EQ(port.written(), "?C\r?A\r?B\r?D\r?E\r");
  ASSERT_EQ(answers.size(), 5u);
  EXPECT_EQ(answers[4], "?E\r 0040\r\n");
}

TEST(SimPort, InjectedBytesArriveAfterWhatIsPending) {
  SimPort port;
  Recorder r;
  r.attach(port);
  port.inject({'x'});  // closed: nothing arrives on a closed port
  ASSERT_TRUE(port.open());
  port.write("?V\r");
  port.inject({'S', 'j', '0'});
  port.inject({});
  EXPECT_EQ(port.deliverAll(), 2);
  EXPECT_EQ(r.events, (std::vector<std::string>{"?V\r 2015\r\n", "Sj0"}));
}

TEST(SimPort, DeliverAllStopsAtTheLimit) {
  SimPort port;
  port.onReceive = [&] {
    port.readAll();
    port.write("?V\r");  // a handler that never stops asking
  };
  ASSERT_TRUE(port.open());
  port.write("?V\r");
  EXPECT_EQ(port.deliverAll(50), 50);
  EXPECT_EQ(port.pendingEvents(), 1u);
}

TEST(SimPort, VanishedControllerIsReportedOnceAndCannotBeOpened) {
  SimPort port;
  Recorder r;
  r.attach(port);
  ASSERT_TRUE(port.open());
  port.controller().faults.vanishAfterBytes = 4;
  port.write("?V\r");
  EXPECT_EQ(port.deliverAll(), 2);  // the four bytes, then the loss
  EXPECT_EQ(r.events, std::vector<std::string>{"?V\r "});
  ASSERT_EQ(r.lost.size(), 1u);
  EXPECT_NE(r.lost[0].find("device gone"), std::string::npos);
  EXPECT_FALSE(port.isOpen());
  EXPECT_EQ(port.deliverAll(), 0);
  EXPECT_FALSE(port.open());

  port.controller().restart();  // plugged in again
  EXPECT_TRUE(port.open());
  port.write("?V\r");
  port.deliverAll();
  EXPECT_EQ(r.events.back(), "?V\r 2015\r\n");
  EXPECT_EQ(r.lost.size(), 1u);
}

TEST(SimPort, MonitorRecordsFollowSimulatedTime) {
  SimPort port;
  Recorder r;
  r.attach(port);
  ASSERT_TRUE(port.open());
  port.write("S~0001\r");
  port.deliverAll();
  port.advance(60);
  EXPECT_EQ(port.deliverAll(), 3);
  ASSERT_EQ(r.events.size(), 4u);
  EXPECT_EQ(r.events[1].substr(0, 4), "CHDA");
  EXPECT_EQ(r.events[3].substr(0, 4), "SSDA");
}

TEST(SimPort, ClosingDropsWhatWasPendingAndWhatCameMeanwhile) {
  SimPort port;
  Recorder r;
  r.attach(port);
  ASSERT_TRUE(port.open());
  port.write("S~0001\r");
  port.close();
  port.advance(100);  // the stream goes on with nobody listening
  port.write("?V\r");
  ASSERT_TRUE(port.open());
  EXPECT_EQ(port.deliverAll(), 0);
  EXPECT_TRUE(r.events.empty());
  EXPECT_EQ(port.opens(), 2);
}

TEST(SimPort, RecordsPortSettings) {
  Controller controller;
  SimPort port(controller);
  port.setBufferSizes(1024, 512);
  port.applyLineSettings();
  port.applyLineSettings();
  EXPECT_EQ(port.inBufferSize(), 1024);
  EXPECT_EQ(port.outBufferSize(), 512);
  EXPECT_EQ(port.lineSettingsApplied(), 2);
  ASSERT_TRUE(port.open());
  port.write("SC0007\r");
  EXPECT_EQ(controller.value('C'), 7) << "bound to the caller's controller";
  port.clearWritten();
  EXPECT_EQ(port.written(), "");
}

}  // namespace
}  // namespace zorv::sim
