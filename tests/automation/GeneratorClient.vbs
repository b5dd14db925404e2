' A macro's view of Stochal.Generator, run by cscript against the
' registered DLL. Prints one "name value" line per call; the test that runs
' it knows the values an engine seeded the same way gives.
Option Explicit

Dim g, x
Sub Show(name, value)
    WScript.Echo name & " " & value
End Sub

Set g = CreateObject("Stochal.Generator")
g.Seed 1
' Times 2^32 a uniform double is a whole number, printed exactly.
Show "Next", g.Next * 4294967296
Show "Next", g.Next() * 4294967296
Show "NextBetween", g.NextBetween(1, 6)
Show "NextBernoulli", g.NextBernoulli(0.5)
Show "NextBinomial", g.NextBinomial(10, 0.3)
Show "NextPoisson", g.NextPoisson(4)
Show "NextNegativeBinomial", g.NextNegativeBinomial(3, 0.4)
Show "NextGeometric", g.NextGeometric(0.25)
Show "NextHypergeometric", g.NextHypergeometric(20, 10, 5)
Show "NextNormal", g.NextNormal(1, 2)
Show "NextUniform", g.NextUniform(-2, 3)
Show "NextTriangular", g.NextTriangular(0, 10)
Show "NextTriangular", g.NextTriangular(0, 10, 2)
Show "NextBeta", g.NextBeta(2, 3)
Show "NextPareto", g.NextPareto(3, 2)
Show "NextBurr", g.NextBurr(2, 3, 1.5)
Show "NextGamma", g.NextGamma(2.5, 1.5)
Show "NextWeibull", g.NextWeibull(1.5, 2)
Show "NextExponential", g.NextExponential(2)
Show "NextLognormal", g.NextLognormal(0.5, 0.25)

On Error Resume Next
x = g.NextNormal(0, -1)
Show "NextNormal(0,-1)", "error " & Hex(Err.Number) & " " & Err.Source & ": " & Err.Description
Err.Clear
x = g.NextBetween(3, 3)
Show "NextBetween(3,3)", "error " & Hex(Err.Number) & " " & Err.Source & ": " & Err.Description
Err.Clear
x = g.NextTriangular(0, 10, "abc")
Show "NextTriangular(0,10,abc)", "error " & Hex(Err.Number) & " " & Err.Source & ": " & Err.Description
Err.Clear
x = g.NextCauchy(0, 1)
Show "NextCauchy", "error " & Hex(Err.Number)
Err.Clear
On Error GoTo 0

' Another instance, by the versioned ProgID, reseeds the same engine.
Dim h
Set h = CreateObject("Stochal.Generator.1")
h.Seed -1
Show "Next", g.Next * 4294967296
g.Seed 1
Show "Next", h.Next * 4294967296
