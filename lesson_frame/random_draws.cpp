#include "lesson_frame/random_draws.h"

#include "platform/random.h"

namespace frame {

platform::TStrings NumberPool(int n)
{
    platform::TStrings pool;
    for (int i = 1; i <= n; ++i)
        pool.Add(std::to_string(i));
    return pool;
}

std::string DrawWithoutReplacement(platform::TStrings& pool)
{
    const int r = platform::Random(pool.GetCount());
    std::string drawn = pool.Get(r);
    pool.Delete(r);
    return drawn;
}

}  // namespace frame
