#!/usr/bin/python3
"""Reference values for the distribution tests.

Made once with Debian's python3 (scipy 1.10.1, mpmath 1.2.1):

    /usr/bin/python3 tests/qdists/data/make_reference.py > tests/qdists/data/reference.txt

Each line: distribution name without spaces, the number of parameters, the
parameters in the class's parameter order, the function (pdf: density or
mass; cdf; quantile), the argument, the value (repr, 17 digits).

The class parameters map onto scipy as follows: Pareto (alpha, theta) is
lomax(c=alpha, scale=theta); Burr (alpha, gamma, theta) is
burr12(c=gamma, d=alpha, scale=theta); Beta (alpha, beta, theta) is
beta(alpha, beta, scale=theta); NegativeBinomial (p, r) is nbinom(r, p);
Hypergeometric (N good, M bad, SZ) is hypergeom(N + M, N, SZ). The Poisson
mass from lambda = 50 on is, by design, the normal density at k, so those
rows hold norm.pdf(k, lambda, sqrt(lambda)). The normal and lognormal
quantiles and the normal cdf are computed with mpmath at 30 digits.
"""
import mpmath as mp
from scipy import stats

mp.mp.dps = 30
rows = []


def add(name, params, fn, x, value):
    rows.append("%s %d %s %s %r %r" % (name, len(params), " ".join(repr(float(p)) for p in params), fn,
                                       float(x), float(value)))


def continuous(name, params, dist, xs, ps):
    for x in xs:
        add(name, params, "pdf", x, dist.pdf(x))
        add(name, params, "cdf", x, dist.cdf(x))
    for p in ps:
        add(name, params, "quantile", p, dist.ppf(p))


def discrete(name, params, dist, ks):
    for k in ks:
        add(name, params, "pdf", k, dist.pmf(k))


PS = [1e-6, 0.001, 0.025, 0.3, 0.5, 0.77, 0.975, 0.999]

# Normal with mpmath for cdf and quantile.
for mu, sigma in [(0.0, 1.0), (3.0, 2.5), (-1000.0, 0.01)]:
    for z in [-7.5, -3.0, -0.4, 0.0, 0.66, 2.0, 5.0]:
        x = mu + sigma * z
        add("Normal", (mu, sigma), "pdf", x, mp.npdf(mp.mpf(x), mu, sigma))
        add("Normal", (mu, sigma), "cdf", x, mp.ncdf(mp.mpf(x), mu, sigma))
    for p in PS:
        q = mu + sigma * mp.sqrt(2) * mp.erfinv(2 * mp.mpf(p) - 1)
        add("Normal", (mu, sigma), "quantile", p, q)

for mu, sigma in [(0.0, 1.0), (1.0, 0.5), (-2.0, 2.0)]:
    d = stats.lognorm(s=sigma, scale=float(mp.e ** mu))
    for x in [0.01, 0.3, 1.0, 2.5, 10.0]:
        add("Lognormal", (mu, sigma), "pdf", x, d.pdf(x))
        add("Lognormal", (mu, sigma), "cdf", x, d.cdf(x))
    for p in PS:
        z = mp.sqrt(2) * mp.erfinv(2 * mp.mpf(p) - 1)
        add("Lognormal", (mu, sigma), "quantile", p, mp.e ** (mu + sigma * z))

for a, b in [(0.0, 8.0), (-3.0, 5.0)]:
    continuous("Uniform", (a, b), stats.uniform(loc=a, scale=b - a), [a + 0.1, (a + b) / 2, b - 0.01], PS)

for a, b, c in [(0.0, 10.0, 5.0), (1.0, 4.0, 1.5), (-2.0, 7.0, 6.0)]:
    d = stats.triang(c=(c - a) / (b - a), loc=a, scale=b - a)
    continuous("Triangular", (a, b, c), d, [a + 0.01, (a + c) / 2, c, (c + b) / 2, b - 0.01], PS)

for al, be, th in [(1.0, 1.0, 1.0), (2.0, 3.0, 1.0), (0.5, 0.5, 2.0), (30.0, 70.0, 1.0), (2.5, 0.7, 3.0)]:
    d = stats.beta(al, be, scale=th)
    continuous("Beta", (al, be, th), d, [th * t for t in (0.02, 0.25, 0.5, 0.61, 0.95)], PS[1:])

for al, th in [(1.0, 1.0), (3.0, 2.5), (0.4, 10.0)]:
    continuous("Pareto", (al, th), stats.lomax(c=al, scale=th), [0.0, 0.5, 3.0, 40.0], PS)

for al, ga, th in [(1.0, 1.0, 1.0), (2.0, 3.0, 1.5), (0.5, 20.0, 2.0)]:
    continuous("Burr", (al, ga, th), stats.burr12(c=ga, d=al, scale=th), [0.05, 0.8, 1.9, 2.2, 6.0], PS)

for al, th in [(1.0, 1.0), (3.0, 2.0), (0.5, 1.0), (100.0, 0.1), (1500.0, 1.0), (0.05, 3.0)]:
    d = stats.gamma(a=al, scale=th)
    xs = [d.ppf(t) for t in (0.01, 0.2, 0.5, 0.8, 0.99)]
    continuous("Gamma", (al, th), d, xs, PS[1:])

for ta, th in [(1.0, 1.0), (2.0, 3.0), (0.5, 1.5)]:
    continuous("Weibull", (ta, th), stats.weibull_min(c=ta, scale=th), [0.01, 0.5, 2.0, 7.0], PS)

for th in [1.0, 2.0, 1e-3]:
    continuous("Exponential", (th,), stats.expon(scale=th), [th * t for t in (0.0, 0.1, 1.0, 5.0)], PS)

discrete("Bernoulli", (0.3,), stats.bernoulli(0.3), [0, 1, 7, -1])
discrete("Bernoulli", (1.0,), stats.bernoulli(1.0), [0, 1])
for p, n in [(0.5, 10), (0.3, 170), (0.9, 5), (0.0, 4), (1.0, 4)]:
    discrete("Binomial", (p, n), stats.binom(n, p), [0, 1, 3, 5, 6, 51, 170, -1])
for lam in [3.5, 1.0, 20.0, 49.9, 1e-3]:
    discrete("Poisson", (lam,), stats.poisson(lam), [0, 1, 3, 4, 20, 50, 170, -2])
for lam in [50.0, 300.0, 1000.0]:
    for k in [0, 40, 50, 300, 1000]:
        add("Poisson", (lam,), "pdf", k, stats.norm.pdf(k, lam, lam ** 0.5))
for lam in [3.5, 20.0]:
    for k in [171, 200]:
        add("Poisson", (lam,), "pdf", k, stats.norm.pdf(k, lam, lam ** 0.5))
for p, r in [(0.5, 3), (0.25, 10), (0.011, 1), (0.9, 150), (1.0, 5)]:
    discrete("NegativeBinomial", (p, r), stats.nbinom(r, p), [0, 1, 5, 30, 160, 171, 250, -1])
for p in [0.5, 0.1, 1.0, 1e-5]:
    discrete("Geometric", (p,), stats.geom(p), [1, 2, 5, 40, 0])
for good, bad, sz in [(10, 20, 5), (85, 85, 40), (1, 1, 1), (100, 50, 50)]:
    discrete("Hypergeometric", (good, bad, sz), stats.hypergeom(good + bad, good, sz),
             [0, 1, 3, sz // 2, sz, sz + 1, -1])

print("\n".join(rows))
