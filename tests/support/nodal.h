// A small nodal-analysis solver for checking crossover branches against the
// networks they describe, independently of the coefficient formulas.
//
// Node 0 is ground; node 1 is driven by an ideal 1 V source (the amplifier).
// Elements are resistors, inductors and capacitors between two nodes. At an
// angular frequency the solver returns every node voltage, from which a test
// reads the voltage across a driver (transfer function) and the current the
// source delivers (input impedance).
#pragma once

#include <algorithm>
#include <cmath>
#include <complex>
#include <stdexcept>
#include <vector>

namespace larkspan::test {

using cplx = std::complex<double>;

class Ladder {
public:
    enum class Kind { R, L, C };

    struct Element {
        Kind kind;
        int a;
        int b;
        double value;  // ohm, henry or farad
    };

    Ladder& R(int a, int b, double ohm) { return add({Kind::R, a, b, ohm}); }
    Ladder& L(int a, int b, double henry) { return add({Kind::L, a, b, henry}); }
    Ladder& C(int a, int b, double farad) { return add({Kind::C, a, b, farad}); }

    // Node voltages at angular frequency w; index 0 is ground, 1 the source.
    std::vector<cplx> solve(double w) const
    {
        const int n = nodes_;  // unknowns: nodes 2..n-1
        const int m = n - 2;
        std::vector<std::vector<cplx>> A(static_cast<std::size_t>(m),
                                         std::vector<cplx>(static_cast<std::size_t>(m + 1)));
        const auto row = [](int node) { return node - 2; };
        for (const auto& e : elements_) {
            const cplx y = admittance(e, w);
            for (const auto& [p, q] : {std::pair{e.a, e.b}, std::pair{e.b, e.a}}) {
                if (p < 2) continue;
                auto& r = A[static_cast<std::size_t>(row(p))];
                r[static_cast<std::size_t>(row(p))] += y;
                if (q >= 2)
                    r[static_cast<std::size_t>(row(q))] -= y;
                else if (q == 1)
                    r[static_cast<std::size_t>(m)] += y;  // source node at 1 V
            }
        }
        // Gaussian elimination with partial pivoting.
        for (int c = 0; c < m; ++c) {
            int pivot = c;
            for (int r = c + 1; r < m; ++r)
                if (std::abs(A[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]) >
                    std::abs(A[static_cast<std::size_t>(pivot)][static_cast<std::size_t>(c)]))
                    pivot = r;
            std::swap(A[static_cast<std::size_t>(c)], A[static_cast<std::size_t>(pivot)]);
            const cplx diag = A[static_cast<std::size_t>(c)][static_cast<std::size_t>(c)];
            if (std::abs(diag) == 0) throw std::runtime_error("singular network");
            for (int r = 0; r < m; ++r) {
                if (r == c) continue;
                const cplx factor = A[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] / diag;
                for (int k = c; k <= m; ++k)
                    A[static_cast<std::size_t>(r)][static_cast<std::size_t>(k)] -=
                        factor * A[static_cast<std::size_t>(c)][static_cast<std::size_t>(k)];
            }
        }
        std::vector<cplx> v(static_cast<std::size_t>(n));
        v[1] = 1.0;
        for (int r = 0; r < m; ++r)
            v[static_cast<std::size_t>(r + 2)] = A[static_cast<std::size_t>(r)][static_cast<std::size_t>(m)] /
                                                 A[static_cast<std::size_t>(r)][static_cast<std::size_t>(r)];
        return v;
    }

    // Voltage of node `out` over the 1 V source.
    cplx transfer(double w, int out) const { return solve(w)[static_cast<std::size_t>(out)]; }

    // Impedance seen by the source: 1 V over the current leaving node 1.
    cplx inputImpedance(double w) const
    {
        const auto v = solve(w);
        cplx current = 0;
        for (const auto& e : elements_) {
            if (e.a != 1 && e.b != 1) continue;
            const int other = e.a == 1 ? e.b : e.a;
            current += (v[1] - v[static_cast<std::size_t>(other)]) * admittance(e, w);
        }
        return 1.0 / current;
    }

private:
    static cplx admittance(const Element& e, double w)
    {
        switch (e.kind) {
            case Kind::R:
                return 1.0 / e.value;
            case Kind::L:
                return 1.0 / cplx(0, w * e.value);
            case Kind::C:
                return cplx(0, w * e.value);
        }
        return 0.0;
    }

    Ladder& add(Element e)
    {
        elements_.push_back(e);
        nodes_ = std::max({nodes_, e.a + 1, e.b + 1});
        return *this;
    }

    std::vector<Element> elements_;
    int nodes_ = 2;
};

// Magnitude in dB and the attenuation convention of the evaluators.
inline double attenuationDb(cplx h)
{
    return -20.0 * std::log10(std::abs(h));
}

}  // namespace larkspan::test
