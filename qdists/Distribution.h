#pragma once
#include <initializer_list>
#include <string>

#include "qdists/Interval.h"
#include "qdists/ParameterInfo.h"
#include "uniform/UnitStream.h"

namespace qdists {

// The interface every consumer of a distribution works through: parameters
// and their check, one variate from the distribution stream, and the
// ranges the graphs need.
class VDistribution {
public:
    virtual ~VDistribution() = default;

    virtual const char* GetName() const = 0;
    virtual Interval GetSupport() const = 0;
    virtual Interval GetDensityRange() const = 0;
    virtual bool IsDiscrete() const = 0;
    virtual unsigned GetBitmapId() const = 0;

    // The bounds check of every parameter in index order; the first failing
    // one writes the message. The message is left alone on success.
    virtual bool Validate(std::string& message) const;

    virtual unsigned GetParameterCount() const = 0;
    // Throws std::out_of_range for an index at or beyond the count.
    virtual const ParameterInfo& GetParameterInfo(unsigned index) const = 0;
    // NaN for an index at or beyond the count.
    virtual double GetParameter(unsigned index) const = 0;
    // Integer parameters keep the value truncated toward zero; an index at
    // or beyond the count is ignored.
    virtual void SetParameter(unsigned index, double value) = 0;

    // One variate; the parameters must be valid.
    virtual double Sample(CUnitStream& stream) const = 0;

    bool IsValid() const;

protected:
    VDistribution() = default;
    VDistribution(const VDistribution&) = default;
    VDistribution& operator=(const VDistribution&) = default;

    // The record of a class's table, or std::out_of_range.
    static const ParameterInfo& InfoAt(const ParameterInfo* table, unsigned count, unsigned index);
    // The value at index among the listed ones, or NaN.
    static double ParameterAt(unsigned index, std::initializer_list<double> values);
    // Stores value in the listed member at index; other indexes are ignored.
    static void StoreParameter(unsigned index, double value, std::initializer_list<double*> members);
};

// The thumbnails are bitmap resources numbered from 11894 in the
// alphabetical order of the distributions, the catalog's order;
// GetBitmapId reports a thumbnail's number with 65536 added.
constexpr unsigned kFirstThumbnail = 11894;

constexpr unsigned BitmapIdOf(unsigned thumbnail)
{
    return 65536u + thumbnail;
}

} // namespace qdists
