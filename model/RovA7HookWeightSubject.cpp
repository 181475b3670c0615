#include "model/RovA7HookWeightSubject.h"

RovA7HookWeightSubject::RovA7HookWeightSubject(SettingsSubject* settings, MpdoSubject* mpdo)
    : RovA7WeightSubject(settings, mpdo, EntryIndex)
{
}
