#pragma once

#include "GameStates.h"
#include "ScriptedRuntime.h"

#include "core/GameState.h"
#include "core/PirateEncounter.h"

#include <functional>
#include <vector>

namespace Sardek::Testing
{

// Counts the battles a voyage starts; action plays the battle's part.
struct EncounterDouble : PirateEncounter {
    void MeetPirates(QObject *) override
    {
        ++calls;
        if (action)
            action();
    }
    int calls = 0;
    std::function<void()> action;
};

// The rolls of one Depart, by step; each event's list is its roll and the rolls it makes when
// it happens. A roll of 0.5 misses every event; steps of 0 meet no pirates.
struct VoyageScript {
    std::vector<float> steps = std::vector<float>(25, 0.0f);
    // 12,000 / 1,500 / 120 / 9, each rolled at or just below the edge of its step.
    std::vector<float> prices{edgeRoll(7, 21), belowEdge(11, 21), belowEdge(8, 21),
                              edgeRoll(4, 21)};
    std::vector<float> blown{0.5f}, storm{0.5f}, tribute{0.0f}, cannon{0.5f}, ship{0.5f},
        seizure{0.5f}, robbery{0.5f}, theft{0.5f}, jump{0.5f}, portBusiness{};

    std::vector<float> rolls() const
    {
        std::vector<float> all;
        for (const auto *part : {&steps, &prices, &blown, &storm, &tribute, &cannon, &ship,
                                 &seizure, &robbery, &theft, &jump, &portBusiness})
            all.insert(all.end(), part->begin(), part->end());
        return all;
    }
};

} // namespace Sardek::Testing
