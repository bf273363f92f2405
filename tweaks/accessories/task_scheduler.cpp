// The "Task Scheduler" group: the scheduler's log settings, and six policies that each
// exist per user and per machine.
#include "engine/declarations.h"
#include "tweaks/accessories/accessories.h"

namespace tallowick {

namespace {

constexpr const char* kSchedulingAgent = "SOFTWARE\\Microsoft\\SchedulingAgent";

// The policies live in a key of their own under the Windows policy key, which must
// already be there: only the last part is created.
constexpr const char* kSchedulerPolicies =
    "Software\\Policies\\Microsoft\\Windows\\Task Scheduler5.0";

// The date goes with each write, so a machine without the Windows policy key records
// nothing. `also` is a second value that follows the first.
Declared SchedulerPolicy(TweakId id, const char* userCaption, const char* machineCaption, Target at,
                         std::optional<Target> also = std::nullopt) {
    std::vector<Field> scopes = BothScopes(userCaption, machineCaption, at, Dword(1), Dword(0));
    if (also) {
        std::get<Box>(scopes[0]).at.push_back(also->Under(hive::CurrentUser));
        std::get<Box>(scopes[1]).at.push_back(also->Under(hive::LocalMachine));
    }
    return Declared{.id = id,
                    .fields = std::move(scopes),
                    .gate = gate::Win2000MeXp,
                    .date = DateAt::EachWrite};
}

constexpr Target Policy(const char* value) {
    return Target{hive::CurrentUser, kSchedulerPolicies, "", CreateTail(1)}.Named(value);
}

}  // namespace

void RegisterTaskScheduler(HandlerTable& table) {
    // Both counts create the agent's whole key.
    Register(table, Declared{.id = 31,
                             .page = PageId::PathEditPage,
                             .fields = {EditRow{.label = "Maximum Log File Size (KB):",
                                                .at = {{hive::LocalMachine, kSchedulingAgent,
                                                        "MaxLogSizeKB", kCreateAll}},
                                                .store = Store::Number,
                                                .browse = false},
                                        EditRow{.label = "Minutes Before Idle:",
                                                .at = {{hive::LocalMachine, kSchedulingAgent,
                                                        "MinutesBeforeIdle", kCreateAll}},
                                                .store = Store::Number,
                                                .browse = false}}});
    // The captions are those users know, most of them without a blank before the scope.
    Register(table, SchedulerPolicy(32, "Disable Changes to Task Properties(Current User)",
                                    "Disable Changes to Task Properties(All Users)",
                                    Policy("Property Pages")));
    Register(table, SchedulerPolicy(33, "Disable Changes to Task Run Command(Current User)",
                                    "Disable Changes to Task Run Command(All Users)",
                                    Policy("Allow Browse")));
    Register(table, SchedulerPolicy(34, "Disable Drag and Drop Task Scheduling(Current User)",
                                    "Disable Drag and Drop Task Scheduling (All Users)",
                                    Policy("DragAndDrop")));
    Register(table, SchedulerPolicy(35, "Disable Manual Task Control(Current User)",
                                    "Disable Manual Task Control(All Users)", Policy("Execution")));
    Register(table,
             SchedulerPolicy(36, "Remove Advanced Option from Task Scheduler Wizard(Current User)",
                             "Remove Advanced Option from Task Scheduler Wizard(All Users)",
                             Policy("Disable Advanced")));
    // One switch for both restrictions; the page shows the state of the first.
    Register(table, SchedulerPolicy(37, "Restrict Task Creation and Deletion(Current User)",
                                    "Restrict Task Creation and Deletion(All Users)",
                                    Policy("Task Creation"), Policy("Task Deletion")));
}

}  // namespace tallowick
