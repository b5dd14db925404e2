#include "engine/Sampling.h"

#include "engine/InternalGenerator.h"

void ShuffleRows(std::uint32_t* first, std::uint32_t* last)
{
    ShuffleRows(first, last, g_generator.MainStream());
}

void FillSequence(ElementList& output, std::int64_t count, std::uint32_t start)
{
    for (std::int64_t i = 0; i < count; ++i) {
        output.push_back(start + static_cast<std::uint32_t>(i));
    }
}
