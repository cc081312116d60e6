#include "network/circuit.h"

#include <cmath>
#include <cstddef>

namespace larkspan {

double siValue(const CircuitPart& p)
{
    switch (p.kind) {
        case PartKind::L:
            return p.value * 1e-3;
        case PartKind::C:
            return p.value * 1e-6;
        case PartKind::R:
            break;
    }
    return p.value;
}

cplx admittance(const CircuitPart& p, double w)
{
    const double v = siValue(p);
    switch (p.kind) {
        case PartKind::L:
            return 1.0 / cplx(0, w * v);
        case PartKind::C:
            return {0, w * v};
        case PartKind::R:
            break;
    }
    return 1.0 / v;
}

std::vector<cplx> solveBranch(const CircuitBranch& branch, double w)
{
    // Unknowns are the nodes from 2 on; node 1 is held at 1 V, node 0 at 0.
    const std::size_t n = branch.nodes.size();
    const std::size_t m = n - 2;
    const std::size_t cols = m + 1;
    // The matrix is rebuilt at every frequency; keeping its storage saves an
    // allocation per solve.
    thread_local std::vector<cplx> A;
    A.assign(m * cols, 0.0);
    const auto at = [&](std::size_t r, std::size_t c) -> cplx& { return A[r * cols + c]; };
    for (const auto& p : branch.parts) {
        const cplx y = admittance(p, w);
        for (const auto& [from, to] : {std::pair{p.a, p.b}, std::pair{p.b, p.a}}) {
            if (from < 2) continue;
            const auto r = static_cast<std::size_t>(from - 2);
            at(r, r) += y;
            if (to >= 2)
                at(r, static_cast<std::size_t>(to - 2)) -= y;
            else if (to == 1)
                at(r, m) += y;
        }
    }
    for (std::size_t c = 0; c < m; ++c) {
        std::size_t pivot = c;
        for (std::size_t r = c + 1; r < m; ++r)
            if (std::abs(at(r, c)) > std::abs(at(pivot, c))) pivot = r;
        if (!(std::abs(at(pivot, c)) > 0)) return {};
        if (pivot != c)
            for (std::size_t k = c; k < cols; ++k) std::swap(at(c, k), at(pivot, k));
        for (std::size_t r = c + 1; r < m; ++r) {
            const cplx factor = at(r, c) / at(c, c);
            if (factor == 0.0) continue;
            for (std::size_t k = c; k < cols; ++k) at(r, k) -= factor * at(c, k);
        }
    }
    std::vector<cplx> v(n);
    v[1] = 1.0;
    for (std::size_t r = m; r-- > 0;) {
        cplx sum = at(r, m);
        for (std::size_t k = r + 1; k < m; ++k) sum -= at(r, k) * v[k + 2];
        v[r + 2] = sum / at(r, r);
    }
    return v;
}

cplx inputCurrent(const CircuitBranch& branch, const std::vector<cplx>& v, double w)
{
    cplx current = 0;
    for (const auto& p : branch.parts) {
        if (p.a == 1) current += (1.0 - v[static_cast<std::size_t>(p.b)]) * admittance(p, w);
        if (p.b == 1) current += (1.0 - v[static_cast<std::size_t>(p.a)]) * admittance(p, w);
    }
    return current;
}

NetworkResponse respond(const Circuit& c, double w)
{
    NetworkResponse r;
    const double nan = std::nan("");
    cplx sum = 0;
    cplx current = 0;
    for (const auto& b : c.branches) {
        const auto v = solveBranch(b, w);
        if (v.empty()) {
            r.transfer.emplace_back(nan, nan);
            r.impedance.emplace_back(nan, nan);
            sum = current = cplx(nan, nan);
            continue;
        }
        const cplx h = v[static_cast<std::size_t>(b.out)];
        const cplx i = inputCurrent(b, v, w);
        r.transfer.push_back(h);
        r.impedance.push_back(1.0 / i);
        sum += static_cast<double>(b.sign) * h;
        current += i;
    }
    r.transfer.push_back(sum);
    r.impedance.push_back(1.0 / current);
    return r;
}

}  // namespace larkspan
