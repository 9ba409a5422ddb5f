#pragma once

#include "core/CompradorLog.h"
#include "voyage/VoyageView.h"

#include <array>

namespace Sardek
{

struct GameState;

/**
 * The view of a voyage played without windows: the log's text is built (dated from the
 * record), the orders' enabled states are kept, and nothing is shown.
 */
class SilentVoyageView : public VoyageView
{
  public:
    explicit SilentVoyageView(const GameState &state) : m_state(state) {}

    CompradorLog &log() { return m_log; }
    const CompradorLog &log() const { return m_log; }
    bool isOrderEnabled(Order order) const { return m_orders[std::size_t(order)]; }

    void hideLeavePort() override {}
    void appendLogEntry(const QString &entry) override;
    void appendLogText(const QString &text) override { m_log.appendRaw(text); }
    void setBusyPointer(bool) override {}
    void setLogBackground(LogColour) override {}
    void setOrderEnabled(Order order, bool enabled) override
    {
        m_orders[std::size_t(order)] = enabled;
    }
    QObject *battleOwner() override { return nullptr; }

  private:
    const GameState &m_state;
    CompradorLog m_log;
    std::array<bool, 9> m_orders{};
};

} // namespace Sardek
