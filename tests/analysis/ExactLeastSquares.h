#pragma once

// Exact least squares for integer data, as the reference the floating-point fit is measured
// against: the normal equations XᵀX·b = Xᵀy are built in integers and solved by Cramer's rule with
// fraction-free (Bareiss) determinants over a small arbitrary-precision integer. Only the final
// quotients det_i / det are rounded, to long double.

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

namespace exact {

class BigInt {
public:
    BigInt() = default;
    explicit BigInt(__int128 v)
    {
        negative_ = v < 0;
        unsigned __int128 m = negative_ ? -static_cast<unsigned __int128>(v)
                                        : static_cast<unsigned __int128>(v);
        while (m != 0) {
            mag_.push_back(static_cast<std::uint32_t>(m));
            m >>= 32;
        }
    }

    bool isZero() const { return mag_.empty(); }

    friend BigInt operator+(const BigInt& a, const BigInt& b)
    {
        if (a.negative_ == b.negative_)
            return make(a.negative_, addMag(a.mag_, b.mag_));
        if (compareMag(a.mag_, b.mag_) >= 0)
            return make(a.negative_, subMag(a.mag_, b.mag_));
        return make(b.negative_, subMag(b.mag_, a.mag_));
    }

    friend BigInt operator-(const BigInt& a, const BigInt& b)
    {
        BigInt negB = b;
        negB.negative_ = !b.negative_ && !b.isZero();
        return a + negB;
    }

    friend BigInt operator*(const BigInt& a, const BigInt& b)
    {
        if (a.isZero() || b.isZero())
            return {};
        std::vector<std::uint32_t> r(a.mag_.size() + b.mag_.size(), 0);
        for (std::size_t i = 0; i < a.mag_.size(); ++i) {
            std::uint64_t carry = 0;
            for (std::size_t j = 0; j < b.mag_.size(); ++j) {
                const std::uint64_t t = static_cast<std::uint64_t>(a.mag_[i]) * b.mag_[j] + r[i + j] + carry;
                r[i + j] = static_cast<std::uint32_t>(t);
                carry = t >> 32;
            }
            r[i + b.mag_.size()] = static_cast<std::uint32_t>(carry);
        }
        return make(a.negative_ != b.negative_, std::move(r));
    }

    // Quotient of a division known to be exact (as Bareiss's are); throws when it is not.
    BigInt exactDiv(const BigInt& d) const
    {
        if (d.isZero())
            throw std::domain_error("division by zero");
        std::vector<std::uint32_t> q(mag_.size(), 0);
        std::vector<std::uint32_t> rem;
        for (std::size_t bit = mag_.size() * 32; bit-- > 0;) {
            shiftLeftOne(rem);
            if ((mag_[bit / 32] >> (bit % 32)) & 1u) {
                if (rem.empty())
                    rem.push_back(0);
                rem[0] |= 1u;
            }
            if (compareMag(rem, d.mag_) >= 0) {
                rem = subMag(rem, d.mag_);
                q[bit / 32] |= 1u << (bit % 32);
            }
        }
        if (!rem.empty())
            throw std::domain_error("division not exact");
        return make(negative_ != d.negative_, std::move(q));
    }

    long double toLongDouble() const
    {
        long double v = 0;
        for (std::size_t i = mag_.size(); i-- > 0;)
            v = v * 4294967296.0L + mag_[i];
        return negative_ ? -v : v;
    }

private:
    static BigInt make(bool negative, std::vector<std::uint32_t> mag)
    {
        while (!mag.empty() && mag.back() == 0)
            mag.pop_back();
        BigInt r;
        r.mag_ = std::move(mag);
        r.negative_ = negative && !r.mag_.empty();
        return r;
    }

    static int compareMag(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b)
    {
        if (a.size() != b.size())
            return a.size() < b.size() ? -1 : 1;
        for (std::size_t i = a.size(); i-- > 0;) {
            if (a[i] != b[i])
                return a[i] < b[i] ? -1 : 1;
        }
        return 0;
    }

    static std::vector<std::uint32_t> addMag(const std::vector<std::uint32_t>& a,
                                             const std::vector<std::uint32_t>& b)
    {
        std::vector<std::uint32_t> r(std::max(a.size(), b.size()) + 1, 0);
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i + 1 < r.size(); ++i) {
            const std::uint64_t t = carry + (i < a.size() ? a[i] : 0u) + (i < b.size() ? b[i] : 0u);
            r[i] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        r.back() = static_cast<std::uint32_t>(carry);
        while (!r.empty() && r.back() == 0)
            r.pop_back();
        return r;
    }

    // a − b for |a| ≥ |b|.
    static std::vector<std::uint32_t> subMag(const std::vector<std::uint32_t>& a,
                                             const std::vector<std::uint32_t>& b)
    {
        std::vector<std::uint32_t> r(a.size(), 0);
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < a.size(); ++i) {
            std::int64_t t = static_cast<std::int64_t>(a[i]) - (i < b.size() ? b[i] : 0u) - borrow;
            borrow = t < 0 ? 1 : 0;
            if (t < 0)
                t += std::int64_t{1} << 32;
            r[i] = static_cast<std::uint32_t>(t);
        }
        while (!r.empty() && r.back() == 0)
            r.pop_back();
        return r;
    }

    static void shiftLeftOne(std::vector<std::uint32_t>& a)
    {
        std::uint32_t carry = 0;
        for (std::uint32_t& limb : a) {
            const std::uint32_t next = limb >> 31;
            limb = (limb << 1) | carry;
            carry = next;
        }
        if (carry != 0)
            a.push_back(carry);
    }

    bool negative_ = false;
    std::vector<std::uint32_t> mag_;  // little-endian 32-bit limbs, no leading zero limb
};

using Matrix = std::vector<std::vector<BigInt>>;

// Determinant by Bareiss's fraction-free elimination: every division in it is exact.
inline BigInt determinant(Matrix a)
{
    const std::size_t m = a.size();
    if (m == 0)
        return BigInt(1);
    BigInt previous(1);
    bool negate = false;
    for (std::size_t k = 0; k + 1 < m; ++k) {
        if (a[k][k].isZero()) {
            std::size_t swapRow = k + 1;
            while (swapRow < m && a[swapRow][k].isZero())
                ++swapRow;
            if (swapRow == m)
                return {};
            std::swap(a[k], a[swapRow]);
            negate = !negate;
        }
        for (std::size_t i = k + 1; i < m; ++i) {
            for (std::size_t j = k + 1; j < m; ++j)
                a[i][j] = (a[i][j] * a[k][k] - a[i][k] * a[k][j]).exactDiv(previous);
        }
        previous = a[k][k];
    }
    return negate ? BigInt(0) - a[m - 1][m - 1] : a[m - 1][m - 1];
}

// Least-squares coefficients [b0..bk] of rows [1, x1..xk] (whole numbers) against whole-number y.
// Empty when the normal matrix is singular.
inline std::vector<long double> leastSquares(const std::vector<std::vector<std::int64_t>>& rows,
                                             const std::vector<std::int64_t>& y)
{
    const std::size_t m = rows.empty() ? 0 : rows.front().size();
    std::vector<std::vector<__int128>> normal(m, std::vector<__int128>(m + 1, 0));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t i = 0; i < m; ++i) {
            for (std::size_t j = 0; j < m; ++j)
                normal[i][j] += static_cast<__int128>(rows[r][i]) * rows[r][j];
            normal[i][m] += static_cast<__int128>(rows[r][i]) * y[r];
        }
    }
    Matrix a(m, std::vector<BigInt>(m));
    for (std::size_t i = 0; i < m; ++i) {
        for (std::size_t j = 0; j < m; ++j)
            a[i][j] = BigInt(normal[i][j]);
    }
    const BigInt det = determinant(a);
    if (det.isZero())
        return {};
    const long double denominator = det.toLongDouble();
    std::vector<long double> b(m);
    for (std::size_t c = 0; c < m; ++c) {
        Matrix ac = a;
        for (std::size_t i = 0; i < m; ++i)
            ac[i][c] = BigInt(normal[i][m]);
        b[c] = determinant(std::move(ac)).toLongDouble() / denominator;
    }
    return b;
}

}  // namespace exact
