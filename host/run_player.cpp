// run_player.cpp - the host's side of a run.
#include "run_player.h"

#include <exception>
#include <iostream>

namespace {
using Hook = bool (NeroltPluginInterface::*)();

void callHook(NeroltPluginInterface& plugin, Hook hook, const char* name, HostSession& session) {
    try {
        if (!(plugin.*hook)()) {
            std::cerr << "Nerolt: " << name << " returned false\n";
        }
    } catch (const std::exception& error) {
        session.contractViolations.push_back(std::string("an exception escaped ") + name + ": " +
                                             error.what());
    } catch (...) {
        session.contractViolations.push_back(std::string("an exception escaped ") + name);
    }
}
} // namespace

void playRun(NeroltPluginInterface& plugin, HostSession& session) {
    const Scenario& scenario = session.scenario;
    session.currentTimePoint = scenario.startOnCompletedRun ? scenario.expectedTimePoints : 0;

    callHook(plugin, &NeroltPluginInterface::executePreRun, "executePreRun", session);
    if (!scenario.startOnCompletedRun) {
        for (int timePoint = 1; timePoint <= scenario.stopAtTimePoint; ++timePoint) {
            callHook(plugin, &NeroltPluginInterface::executePreStep, "executePreStep", session);
            session.currentTimePoint = timePoint;
            callHook(plugin, &NeroltPluginInterface::executePostStep, "executePostStep", session);
        }
    }
    callHook(plugin, &NeroltPluginInterface::executePostRun, "executePostRun", session);
}
