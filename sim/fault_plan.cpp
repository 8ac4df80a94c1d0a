#include "sim/fault_plan.h"

#include <algorithm>

#include "device/link/frame.h"

namespace orvik::sim {

void FaultPlan::Silence(std::u16string_view name, int times) {
    if (times == 0) {
        return;
    }
    std::lock_guard lock(m_mutex);
    m_rules.push_back({{FaultDecision::Kind::Silence, {}, false},
                       std::u16string(name),
                       times < 0 ? kAlways : times});
}

void FaultPlan::InjectStatus(std::u16string_view name, std::u16string token, int times,
                             bool thenReady) {
    if (times == 0) {
        return;
    }
    std::lock_guard lock(m_mutex);
    m_rules.push_back({{FaultDecision::Kind::Status, std::move(token), thenReady},
                       std::u16string(name),
                       times < 0 ? kAlways : times});
}

void FaultPlan::HangUpOn(std::u16string_view name) {
    std::lock_guard lock(m_mutex);
    m_rules.push_back({{FaultDecision::Kind::HangUp, {}, false}, std::u16string(name), 1});
}

void FaultPlan::DropReplyTo(std::u16string_view name, int occurrence) {
    if (occurrence < 1) {
        return;
    }
    std::lock_guard lock(m_mutex);
    m_rules.push_back(
        {{FaultDecision::Kind::DropReply, {}, false}, std::u16string(name), 1, occurrence - 1});
}

void FaultPlan::FallSilentAfter(std::u16string_view name, int occurrence) {
    if (occurrence < 1) {
        return;
    }
    std::lock_guard lock(m_mutex);
    FaultDecision decision;
    decision.thenSilent = true;
    m_rules.push_back({decision, std::u16string(name), 1, occurrence - 1});
}

void FaultPlan::ClearAnswerFaults() {
    std::lock_guard lock(m_mutex);
    m_rules.clear();
}

bool FaultPlan::SetShape(ReplyShape shape) {
    if (shape.garbage.find(static_cast<char>(device::kFrameStart)) != std::string::npos) {
        return false;
    }
    std::lock_guard lock(m_mutex);
    m_shape = std::move(shape);
    return true;
}

ReplyShape FaultPlan::Shape() const {
    std::lock_guard lock(m_mutex);
    return m_shape;
}

FaultDecision FaultPlan::ForCommand(std::u16string_view name) {
    std::lock_guard lock(m_mutex);
    for (auto rule = m_rules.begin(); rule != m_rules.end(); ++rule) {
        if (!rule->name.empty() && rule->name != name) {
            continue;
        }
        if (rule->passOver > 0) {
            // Counted off; a later rule may still apply to this command.
            --rule->passOver;
            continue;
        }
        return UseRule(rule);
    }
    return FaultDecision{};
}

bool FaultPlan::SilencesEverything() {
    std::lock_guard lock(m_mutex);
    const auto rule = std::find_if(m_rules.begin(), m_rules.end(), [](const Rule& r) {
        return r.name.empty() && r.decision.kind == FaultDecision::Kind::Silence;
    });
    if (rule == m_rules.end()) {
        return false;
    }
    UseRule(rule);
    return true;
}

FaultDecision FaultPlan::UseRule(std::vector<Rule>::iterator rule) {
    FaultDecision decision = rule->decision;
    if (rule->remaining != kAlways && --rule->remaining == 0) {
        m_rules.erase(rule);
    }
    return decision;
}

}  // namespace orvik::sim
