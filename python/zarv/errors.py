"""The errors ZARV raises; each says what went wrong in the language asked for."""


class Error(Exception):
    """Base of ZARV's own errors."""


class RejectedInput(Error, ValueError):
    """An input no run takes. ``input`` is its name as Flight takes it (``"dt0"``);
    ``inputs`` lists every input the problem comes from, ``input`` first."""

    def __init__(self, message, input="", inputs=()):
        super().__init__(message)
        self.input = input
        self.inputs = list(inputs)

    def __reduce__(self):
        return type(self), (str(self), self.input, self.inputs)


class Diverged(Error, ArithmeticError):
    """A run whose state left the numbers, or whose step made energy no force gave.
    ``time`` is the flight time (s) of the step where it happened; ``cause`` is
    ``"step too large"`` or ``"inputs out of range"``, which ``inputs`` then names."""

    def __init__(self, message, time=0.0, cause="", inputs=()):
        super().__init__(message)
        self.time = time
        self.cause = cause
        self.inputs = list(inputs)

    def __reduce__(self):
        return type(self), (str(self), self.time, self.cause, self.inputs)


class FlightFileError(Error, ValueError):
    """A flight file refused whole: ``file``, ``line`` (0 for the file as a whole) and
    ``key`` (``"inputs.dt0"``) say where."""

    def __init__(self, message, file="", line=0, key=""):
        super().__init__(message)
        self.file = file
        self.line = line
        self.key = key

    def __reduce__(self):
        return type(self), (str(self), self.file, self.line, self.key)
