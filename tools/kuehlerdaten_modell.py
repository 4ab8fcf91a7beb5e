"""Curve helpers for the cooler catalogue generator: log-polynomial fits and a simple cooler model."""
import math


def ln(q):
    return math.log(q)


def poly(c, x):
    return c[0] + c[1] * x + c[2] * x * x


def sig(v, digits=5):
    """Round to `digits` significant digits (as catalogue data are written)."""
    if v == 0:
        return 0.0
    e = math.floor(math.log10(abs(v)))
    return round(v, digits - 1 - e)


def solve(a, b):
    n = len(b)
    m = [row[:] + [b[i]] for i, row in enumerate(a)]
    for c in range(n):
        p = max(range(c, n), key=lambda r: abs(m[r][c]))
        m[c], m[p] = m[p], m[c]
        for r in range(n):
            if r != c:
                f = m[r][c] / m[c][c]
                for k in range(c, n + 1):
                    m[r][k] -= f * m[c][k]
    return [m[i][n] / m[i][i] for i in range(n)]


def grid(q0, q1, n=40):
    return [math.exp(ln(q0) + (ln(q1) - ln(q0)) * i / (n - 1)) for i in range(n)]


def fit(f, q0, q1, degree):
    """Least-squares polynomial of `degree` (1 or 2) in ln Q to f over [q0, q1]."""
    qs = grid(q0, q1)
    xs = [ln(q) for q in qs]
    ys = [f(q) for q in qs]
    k = degree + 1
    a = [[sum(x ** (i + j) for x in xs) for j in range(k)] for i in range(k)]
    b = [sum(y * x ** i for x, y in zip(xs, ys)) for i in range(k)]
    c = solve(a, b)
    return c + [0.0] * (3 - len(c))


def fit_pinned(f, q0, q1, degree, pin):
    """Least-squares polynomial in ln Q over [q0, q1] that passes exactly through (pin, f(pin))."""
    qs = grid(q0, q1)
    xp = ln(pin)
    yp = f(pin)
    us = [ln(q) - xp for q in qs]
    ys = [f(q) - yp for q in qs]
    k = degree
    a = [[sum(u ** (i + j + 2) for u in us) for j in range(k)] for i in range(k)]
    b = [sum(y * u ** (i + 1) for u, y in zip(us, ys)) for i in range(k)]
    d = solve(a, b)
    d1 = d[0]
    d2 = d[1] if k == 2 else 0.0
    # expand yp + d1 (x - xp) + d2 (x - xp)^2
    return [yp - d1 * xp + d2 * xp * xp, d1 - 2 * d2 * xp, d2]


def fit_pinned_vertex(f, q0, q1, pin, xv):
    """Quadratic in ln Q through (pin, f(pin)) with its vertex fixed at ln Q = xv (c2 < 0 when f rises)."""
    qs = grid(q0, q1)
    xp = ln(pin)
    yp = f(pin)
    w = xv - xp
    basis = [(ln(q) - xp) ** 2 - 2 * w * (ln(q) - xp) for q in qs]
    ys = [f(q) - yp for q in qs]
    d2 = sum(b * y for b, y in zip(basis, ys)) / sum(b * b for b in basis)
    d1 = -2 * w * d2
    return [yp - d1 * xp + d2 * xp * xp, d1 - 2 * d2 * xp, d2]


def steigt_bis(c, qmax):
    """True when the quadratic keeps rising up to qmax (vertex beyond it) or is not concave."""
    return c[2] >= 0 or -c[1] / (2 * c[2]) > ln(qmax) + 0.05


class Kurve:
    """Specific heat rejection of one size: k1 up to and including qu, k2 above (kW/K)."""

    def __init__(self, k1, qu, k2):
        self.k1, self.qu, self.k2 = list(k1), qu, list(k2)

    def __call__(self, q):
        return poly(self.k1 if q <= self.qu else self.k2, ln(q))

    def scaled(self, f):
        return Kurve([v * f for v in self.k1], self.qu, [v * f for v in self.k2])

    def rounded(self, digits=5):
        return Kurve([sig(v, digits) for v in self.k1], self.qu, [sig(v, digits) for v in self.k2])


def modell(a, n, big_a):
    """Oil-side film conductance a Q^n in series with the air-side capacity big_a (kW/K)."""
    return lambda q: 1.0 / (1.0 / (a * q ** n) + 1.0 / big_a)


def quadratisch(f, q0, q1, pin, konkav):
    """Quadratic over [q0, q1] through (pin, f(pin)); concave (c2 < 0) when asked, rising to q1."""
    c = fit_pinned(f, q0, q1, 2, pin)
    if (konkav and c[2] >= 0) or not steigt_bis(c, q1):
        c = fit_pinned_vertex(f, q0, q1, pin, ln(q1) + 0.5)
    return c


def kurve_nach_regel(f, qu, qmin, qmax, k1_art, c0=None, konkav=True):
    """Fits a curve of the catalogue's shape to f.

    k1_art: 'c0' (linear with fixed c0, meeting k2 at qu), 'linear', 'quad'; qu 10000 means one
    quadratic range over [qmin, qmax]."""
    if qu >= 10000:
        c = fit(f, qmin, qmax, 2)
        if not steigt_bis(c, qmax):
            c = fit_pinned_vertex(f, qmin, qmax, qmax, ln(qmax) + 0.5)
        return Kurve(c, 10000, [0, 0, 0])
    # Both sets pass through the model's value at the switch-over flow, so they meet there.
    k2 = quadratisch(f, qu, qmax, qu, konkav)
    meet = poly(k2, ln(qu))
    if k1_art == 'c0':
        k1 = [c0, (meet - c0) / ln(qu), 0.0]
    else:
        # A size whose flow range starts at the switch-over still gets a line below it.
        k1 = fit_pinned(f, min(qmin, qu / 2), qu, 1 if k1_art == 'linear' else 2, qu)
    return Kurve(k1, qu, k2)
