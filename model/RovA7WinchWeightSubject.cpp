#include "model/RovA7WinchWeightSubject.h"

RovA7WinchWeightSubject::RovA7WinchWeightSubject(SettingsSubject* settings, MpdoSubject* mpdo)
    : RovA7WeightSubject(settings, mpdo, EntryIndex)
{
}
