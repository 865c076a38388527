#include "particles/ParticleDecoratorTable.h"

#include "particles/Arch.h"
#include "particles/BlackHole.h"
#include "particles/Color.h"
#include "particles/DirectionalVel.h"
#include "particles/Elipse.h"
#include "particles/LifeTime.h"
#include "particles/LineSpawner.h"
#include "particles/MushroomSpawner.h"
#include "particles/OscillatorY.h"
#include "particles/OutwardBurst.h"
#include "particles/ParticleDecoratorCreator.h"
#include "particles/PointExplosion.h"
#include "particles/RingXYSpawner.h"
#include "particles/RingXZSpawner.h"
#include "particles/Rotation.h"
#include "particles/Scaler.h"
#include "particles/SphereSpawner.h"
#include "particles/SpiralY.h"
#include "particles/UpwardBurst.h"

#include <array>

namespace
{
struct Row
{
    const char* name;
    std::unique_ptr<ParticleDecoratorCreator> creator;
};

template <typename T> Row MakeRow(const char* name)
{
    return {name, std::make_unique<ParticleDecoratorCreatorType<T>>()};
}

// Indexed by type number: the position in this table is what files and scripts rely on.
const std::array<Row, ParticleDecoratorTable::kCount>& Rows()
{
    static const std::array<Row, ParticleDecoratorTable::kCount> rows = {
        MakeRow<SphereSpawner>("SphereSpawner"),
        MakeRow<RingXYSpawner>("RingXYSpawner"),
        MakeRow<RingXZSpawner>("RingXZSpawner"),
        MakeRow<LineSpawner>("LineSpawner"),
        MakeRow<MushroomSpawner>("MushroomSpawner"),
        MakeRow<Elipse>("Elipse"),
        MakeRow<Arch>("Arch"),
        MakeRow<PointExplosion>("PointExplosion"),
        MakeRow<OutwardBurst>("OutwardBurst"),
        MakeRow<UpwardBurst>("UpwardBurst"),
        MakeRow<DirectionalVel>("DirectionalVel"),
        MakeRow<BlackHole>("BlackHole"),
        MakeRow<SpiralY>("SpiralY"),
        MakeRow<OscillatorY>("OscillatorY"),
        MakeRow<Scaler>("Scaler"),
        MakeRow<Color>("Color"),
        MakeRow<LifeTime>("LifeTime"),
        MakeRow<Rotation>("Rotation"),
    };
    return rows;
}

bool InRange(int type)
{
    return type >= 0 && type < ParticleDecoratorTable::kCount;
}
} // namespace

int ParticleDecoratorTable::TypeOf(const std::string& name)
{
    for (int type = 0; type < kCount; ++type)
        if (name == Rows()[static_cast<size_t>(type)].name)
            return type;
    return -1;
}

std::string ParticleDecoratorTable::NameOf(int type)
{
    return InRange(type) ? Rows()[static_cast<size_t>(type)].name : "";
}

std::unique_ptr<ParticleDecorator> ParticleDecoratorTable::CreateDecorator(int type)
{
    if (!InRange(type))
        return nullptr;
    std::unique_ptr<ParticleDecorator> decorator = Rows()[static_cast<size_t>(type)].creator->Create();
    decorator->SetType(static_cast<uint32_t>(type));
    return decorator;
}

std::vector<ParticleDecoratorTable::Entry> ParticleDecoratorTable::All()
{
    std::vector<Entry> entries;
    for (int type = 0; type < kCount; ++type)
        entries.push_back({NameOf(type), &CreateDecorator(type)->Fields()});
    return entries;
}
